#!/usr/bin/env bash
# Runs the hostile corpus through the real viewer under Wine with its exception warnings on, and
# fails on a crash, a hang, a second error box for one file, or a fault that Wine caught.
#   CORPUS_FILES=200 (default) or "all" for the whole corpus; BUILD names the build folder.
# No -e: after a failed or crashed run it must still stop Wine and print the report and fault count.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${BUILD:-$ROOT/build}
[ -x "$BUILD/win/hostile_corpus.exe" ] || "$ROOT/tools/build.sh" win hostile_corpus SonpixViewer || exit 1
LOG=$BUILD/results/hostile_corpus
mkdir -p "$LOG"
source "$ROOT/tools/wine.sh"
wine_start 1280 1024 || exit 1
# The viewer inherits the warnings setting. C++ exceptions (codes 20474343 to 22474343, "GCC"
# with its throw, unwind and forced-unwind marks) are the program's own error reports, not faults.
start=$(date +%s)
WINEDEBUG=-all,err+seh,warn+seh wine_run "${CORPUS_TIMEOUT:-7200}" "$BUILD/win/hostile_corpus.exe" "${CORPUS_FILES:-200}" \
    >"$LOG/report.txt" 2>"$LOG/wine.txt"
rc=$?
wine_stop
faults=$(grep 'dispatch_exception' "$LOG/wine.txt" | grep -vEc 'code=2[012]474343')
cat "$LOG/report.txt"
echo "faults caught by Wine (seh dispatch_exception, not C++ exceptions): $faults"
grep 'dispatch_exception' "$LOG/wine.txt" | grep -vE 'code=2[012]474343' | sed 's/^[0-9a-f]*://' | sort | uniq -c | head -n 10
echo "run time $(( $(date +%s) - start )) s, exit code $rc"
[ "$rc" -eq 0 ] && [ "$faults" -eq 0 ]
