#!/usr/bin/env bash
# The Linux desktop's side of the viewer: tools/install-desktop.sh, run into a private data
# folder, gives .sonpix files their MIME type (by name and by header), installs a desktop entry
# that desktop-file-validate accepts, and that entry's command starts the viewer with the file
# shown. Run by tools/test.sh with BUILD set; exits non-zero on the first failure.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${BUILD:-$ROOT/build}
SCRATCH=$(mktemp -d)
fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

source "$ROOT/tools/wine.sh"
wine_start 1280 1024 >/dev/null
trap 'wine_stop; rm -rf "$SCRATCH"' EXIT
# The desktop's own folders are private to this run (wine_start has set HOME to its own).
export XDG_DATA_HOME=$SCRATCH/data XDG_CONFIG_HOME=$SCRATCH/config XDG_DATA_DIRS=/usr/share
unset XDG_CURRENT_DESKTOP

"$ROOT/tools/install-desktop.sh" --exe "$BUILD/win/SonpixViewer.exe" || fail "install-desktop.sh failed"

# Sample files from the project's generator.
mkdir -p "$SCRATCH/files"
wine_run 300 "$BUILD/win/make_samples.exe" "$(winepath -w "$SCRATCH/files")" >/dev/null || fail "make_samples failed"
sample=$SCRATCH/files/Flower.sonpix
[ -f "$sample" ] || fail "no sample file made"

# The type, by name (a sample, and a name in capitals) and by the six header bytes alone.
cp "$sample" "$SCRATCH/files/NO-NAME-HINT"
printf 'Tolvy\001rest' >"$SCRATCH/files/header-only.bin"
printf 'Tolvx\001rest' >"$SCRATCH/files/wrong-header.bin"
cp "$sample" "$SCRATCH/files/CAPITALS.SONPIX"
expect_type() {  # file, type
    local got
    got=$(xdg-mime query filetype "$1")
    [ "$got" = "$2" ] || fail "xdg-mime query filetype $(basename "$1"): '$got', expected '$2'"
    pass "$(basename "$1") is $got"
}
expect_type "$sample" application/x-sonpix
expect_type "$SCRATCH/files/CAPITALS.SONPIX" application/x-sonpix
expect_type "$SCRATCH/files/NO-NAME-HINT" application/x-sonpix
expect_type "$SCRATCH/files/header-only.bin" application/x-sonpix
got=$(xdg-mime query filetype "$SCRATCH/files/wrong-header.bin")
[ "$got" != application/x-sonpix ] || fail "a file with another header was taken for a Sonpix file"
pass "wrong-header.bin is $got"

entry=$XDG_DATA_HOME/applications/sonpix-viewer.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
pass "desktop-file-validate accepts the entry"
[ "$(xdg-mime query default application/x-sonpix)" = sonpix-viewer.desktop ] || fail "the entry is not the default for Sonpix files"
pass "the entry opens Sonpix files"
creator_entry=$XDG_DATA_HOME/applications/sonpix-creator.desktop
desktop-file-validate "$creator_entry" || fail "no valid creator entry at $creator_entry"
grep -qx 'MimeType=application/x-sonpix;' "$creator_entry" || fail "the creator is not offered for Sonpix files"
eval "creator_command=($(sed -n 's/^Exec=//p' "$creator_entry"))"
grep -q 'SonpixCreator.exe' "${creator_command[0]}" || fail "the creator entry does not start the creator"
pass "the creator's entry is offered for Sonpix files as a second way to open them"

# Wine's temporary folder, where the viewer extracts the file it opens; nothing of an earlier run.
temp=$(winepath -u "$(wine_run 60 cmd /c echo %TMP% 2>/dev/null | tr -d '\r')")
rm -f "$temp/Tempsx.jpg"

# The entry's command, with %f replaced by the file as a file manager does it.
exec_line=$(sed -n 's/^Exec=//p' "$entry")
eval "command=($exec_line)"
for i in "${!command[@]}"; do [ "${command[$i]}" = %f ] && command[$i]=$sample; done
(cd "$SCRATCH" && "${command[@]}" >/dev/null 2>&1) &
viewer=$!

# Shown: the picture box of the main window (at 15, 45, wide layout) holds a picture, not the
# plain window colour it has before the file is shown.
shown=0
for i in $(seq 60); do
    sleep 0.5
    colours=$(import -window root -display "$DISPLAY" -crop 300x200+400+200 -depth 8 ppm:- 2>/dev/null |
              convert ppm:- -format %k info: 2>/dev/null || echo 0)
    if [ "${colours:-0}" -gt 50 ]; then shown=1; break; fi
done
[ $shown = 1 ] || { kill "$viewer" 2>/dev/null; fail "the viewer did not show the file within 30 s"; }
pass "the entry's command started the viewer with the file shown ($colours colours in the picture box)"

# The picture is the file's own: the viewer extracted it into Wine's temporary folder.
cmp -s <(head -c 3 "$temp/Tempsx.jpg" 2>/dev/null) <(printf '\xFF\xD8\xFF') || { kill "$viewer" 2>/dev/null; fail "no extracted picture in $temp"; }
pass "the file was extracted into $temp"
kill "$viewer" 2>/dev/null || true
