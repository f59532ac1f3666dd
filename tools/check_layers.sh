#!/usr/bin/env bash
# Checks that includes point one way: every #include "x/..." in a folder y of the program must
# name a folder that y may stand on. Tests, benchmarks and tools may include anything.
#   app -> windows -> controls -> ui -> sys;  windows -> picture, sound -> sys;  container -> sys;
#   authoring -> container, picture, sound, sys;  cli -> authoring and what it stands on (a
#   command-line program, beside the viewer).
# Prints each offending line and exits 1 when there is any.
# No -e: it reports every offending include before deciding the exit code (1 if any, 2 with no tree).
set -uo pipefail
ROOT=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$ROOT" || exit 2

declare -A ALLOWED=(
    [sys]=""
    [container]="sys"
    [ui]="sys"
    [picture]="sys"
    [sound]="sys"
    [controls]="ui sys"
    [windows]="controls picture sound ui sys container"
    [app]="windows controls picture sound ui sys container"
    [authoring]="container picture sound sys"
    [cli]="authoring container picture sound sys"
    [creator]="windows controls picture sound ui sys container authoring"
)

bad=0
for folder in "${!ALLOWED[@]}"; do
    [ -d "$folder" ] || continue
    while IFS= read -r line; do
        file=${line%%:*}
        target=$(sed -E 's/.*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"${line#*:*:}")
        [ "$target" = "$folder" ] && continue
        case " ${ALLOWED[$folder]} " in
            *" $target "*) ;;
            *) echo "layering: $line ($folder may not include $target/)"; bad=1 ;;
        esac
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$folder" --include='*.h' --include='*.cpp' --include='*.c' --include='*.rc' 2>/dev/null)
done
# A folder the table does not know is a folder nobody has placed in the layering yet.
for folder in */; do
    folder=${folder%/}
    case "$folder" in tests|bench|tools|cmake|docs|build|build-*) continue ;; esac
    if [ -z "${ALLOWED[$folder]+set}" ] && ls "$folder"/*.cpp "$folder"/*.h >/dev/null 2>&1; then
        echo "layering: folder $folder/ has no place in the layering table"; bad=1
    fi
done
[ "$bad" -eq 0 ] && echo "layering: every include points down"
exit "$bad"
