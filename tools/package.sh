#!/usr/bin/env bash
# Builds the download: a stripped SonpixViewer.exe with the sample Sonpix files beside it and a
# short read-me, zipped into one folder SonpixViewer-<version>. Checks that the program file is
# at most 1.5 MB and imports nothing but the system's own DLLs, and shows both.
#   tools/package.sh [OUT.zip]      (default: dist/SonpixViewer-<version>.zip)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
VERSION=$(sed -n 's/^PRODUCTVERSION \([0-9]*\),\([0-9]*\),.*/\1.\2/p' "$ROOT/app/resources/SonpixVersion.rc")
NAME=SonpixViewer-$VERSION
OUT=$(realpath -m "${1:-$ROOT/dist/$NAME.zip}")
MAX_EXE_BYTES=$((1536 * 1024))
# What every Windows has; anything else would have to travel with the program.
SYSTEM_DLLS="KERNEL32.dll USER32.dll GDI32.dll COMCTL32.dll MSIMG32.dll WINMM.dll SHELL32.dll ADVAPI32.dll
             MPR.dll OLE32.dll VERSION.dll msvcrt.dll"

"$ROOT/tools/deps.sh"
mkdir -p "$BUILD"
"$ROOT/tools/build.sh" win SonpixViewer make_samples

STAGE=$BUILD/package/$NAME
rm -rf "$BUILD/package"; mkdir -p "$STAGE"
x86_64-w64-mingw32-strip -o "$STAGE/SonpixViewer.exe" "$BUILD/win/SonpixViewer.exe"

size=$(stat -c %s "$STAGE/SonpixViewer.exe")
echo "SonpixViewer.exe: $size bytes (at most $MAX_EXE_BYTES)"
[ "$size" -le "$MAX_EXE_BYTES" ] || { echo "the program file is too large" >&2; exit 1; }
echo "imports (objdump -p):"
imports=$(x86_64-w64-mingw32-objdump -p "$STAGE/SonpixViewer.exe" | sed -n 's/^\s*DLL Name: //p')
bad=0
for dll in $imports; do
    if echo " $SYSTEM_DLLS " | tr -s ' \n' ' ' | grep -qi " $dll "; then echo "  $dll"; else echo "  $dll  <- not a system DLL"; bad=1; fi
done
[ $bad = 0 ] || { echo "the program file needs DLLs that Windows does not have" >&2; exit 1; }

# The sample files, made by the project's own generator under Wine, lie beside the program, so
# that its first start lists them.
(
    source "$ROOT/tools/wine.sh"
    wine_start 800 600 >/dev/null
    wine_run 300 "$BUILD/win/make_samples.exe" "$(winepath -w "$STAGE")" >/dev/null
    wine_stop
)
ls "$STAGE"/*.sonpix >/dev/null 2>&1 || { echo "no sample files were made" >&2; exit 1; }

# The read-me in UTF-8 with a byte order mark and Windows line ends, which every Notepad reads.
{ printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$ROOT/tools/package/ReadMe.txt"; } >"$STAGE/ReadMe.txt"

mkdir -p "$(dirname "$OUT")"
rm -f "$OUT"
(cd "$BUILD/package" && zip -q -X -r "$OUT" "$NAME")
unzip -l "$OUT"
echo "package: $OUT"
