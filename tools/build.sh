#!/usr/bin/env bash
# Configures and builds both trees: build/host (native) and build/win (mingw-w64).
#   tools/build.sh [host|win|all] [ninja targets...]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
which=${1:-all}; shift || true
case $which in
    host | win | all) ;;
    *) echo "usage: tools/build.sh [host|win|all] [ninja targets...]" >&2; exit 2 ;;
esac

configure() {  # dir, extra cmake args...
    local dir=$1; shift
    [ -f "$dir/build.ninja" ] || cmake -S "$ROOT" -B "$dir" -G Ninja -Wno-dev "$@" >/dev/null
}

if [ "$which" = host ] || [ "$which" = all ]; then
    configure "$BUILD/host" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ninja -C "$BUILD/host" "$@" >"$BUILD/host-build.log" 2>&1 || { tail -n 60 "$BUILD/host-build.log"; exit 1; }
fi
if [ "$which" = win ] || [ "$which" = all ]; then
    configure "$BUILD/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release
    ninja -C "$BUILD/win" "$@" >"$BUILD/win-build.log" 2>&1 || { tail -n 60 "$BUILD/win-build.log"; exit 1; }
fi
