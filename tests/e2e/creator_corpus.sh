#!/usr/bin/env bash
# Runs the hostile corpus through the real creator under Wine (each file opened as a Sonpix file and
# saved again, its picture and sound opened as parts) with Wine's exception warnings on, then opens
# and saves a good file over and over; fails on a crash, a hang, a second box for one open or save,
# a fault that Wine caught, or a cycle that did not open and save cleanly.
#   CORPUS_FILES=20 (default; the known crash, hang and slow cases always join) or "all";
#   CREATOR_CYCLES=20 (default; 200 for the memory figures by hand); BUILD names the build folder.
# No -e: after a failed or crashed run it must still stop Wine and print the report and fault count.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${BUILD:-$ROOT/build}
[ -x "$BUILD/win/creator_corpus.exe" ] || "$ROOT/tools/build.sh" win creator_corpus SonpixCreator || exit 1
LOG=$BUILD/results/creator_corpus
mkdir -p "$LOG"
source "$ROOT/tools/wine.sh"
wine_start 1280 1024 || exit 1
# C++ exceptions (codes 20474343 to 22474343) are the program's own error reports, not faults.
start=$(date +%s)
WINEDEBUG=-all,err+seh,warn+seh wine_run "${CORPUS_TIMEOUT:-3600}" "$BUILD/win/creator_corpus.exe" \
    "${CORPUS_FILES:-20}" "${CREATOR_CYCLES:-20}" >"$LOG/report.txt" 2>"$LOG/wine.txt"
rc=$?
wine_stop
faults=$(grep 'dispatch_exception' "$LOG/wine.txt" | grep -vEc 'code=2[012]474343')
iconv -f CP1251 -t UTF-8 "$LOG/report.txt"
echo "faults caught by Wine (seh dispatch_exception, not C++ exceptions): $faults"
grep 'dispatch_exception' "$LOG/wine.txt" | grep -vE 'code=2[012]474343' | sed 's/^[0-9a-f]*://' | sort | uniq -c | head -n 10
echo "run time $(( $(date +%s) - start )) s, exit code $rc"
[ "$rc" -eq 0 ] && [ "$faults" -eq 0 ]
