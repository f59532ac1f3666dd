#!/usr/bin/env bash
# Builds the download: the stripped programs (the viewer SonpixViewer.exe, the creator
# SonpixCreator.exe that the viewer's note-pad button starts, and the console tool sonpix.exe) with
# the sample Sonpix files beside them and a short read-me, zipped into one folder
# SonpixViewer-<version>. Checks that the viewer is at most 1.5 MB and that every program imports
# nothing but the system's own DLLs, and shows both.
#   tools/package.sh [OUT.zip]      (default: dist/SonpixViewer-<version>.zip)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
VERSION=$(sed -n 's/^PRODUCTVERSION \([0-9]*\),\([0-9]*\),.*/\1.\2/p' "$ROOT/app/resources/SonpixVersion.rc")
NAME=SonpixViewer-$VERSION
OUT=$(realpath -m "${1:-$ROOT/dist/$NAME.zip}")
MAX_EXE_BYTES=$((1536 * 1024))
# What every Windows has; anything else would have to travel with the program.
SYSTEM_DLLS="KERNEL32.dll USER32.dll GDI32.dll COMCTL32.dll COMDLG32.dll MSIMG32.dll WINMM.dll SHELL32.dll
             ADVAPI32.dll MPR.dll OLE32.dll VERSION.dll msvcrt.dll"
PROGRAMS="SonpixViewer SonpixCreator sonpix"

"$ROOT/tools/deps.sh"
mkdir -p "$BUILD"
# shellcheck disable=SC2086  # the program names are single words
"$ROOT/tools/build.sh" win $PROGRAMS make_samples

STAGE=$BUILD/package/$NAME
rm -rf "$BUILD/package"; mkdir -p "$STAGE"
bad=0
for program in $PROGRAMS; do
    x86_64-w64-mingw32-strip -o "$STAGE/$program.exe" "$BUILD/win/$program.exe"
    echo "$program.exe: $(stat -c %s "$STAGE/$program.exe") bytes; imports (objdump -p):"
    imports=$(x86_64-w64-mingw32-objdump -p "$STAGE/$program.exe" | sed -n 's/^\s*DLL Name: //p')
    for dll in $imports; do
        if echo " $SYSTEM_DLLS " | tr -s ' \n' ' ' | grep -qi " $dll "; then echo "  $dll"; else echo "  $dll  <- not a system DLL"; bad=1; fi
    done
done
[ $bad = 0 ] || { echo "a program file needs DLLs that Windows does not have" >&2; exit 1; }
size=$(stat -c %s "$STAGE/SonpixViewer.exe")
echo "SonpixViewer.exe: $size bytes (at most $MAX_EXE_BYTES)"
[ "$size" -le "$MAX_EXE_BYTES" ] || { echo "the viewer's program file is too large" >&2; exit 1; }

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
