#!/usr/bin/env bash
# Installs and builds what is needed, then runs every test: the host unit tests (sanitizers),
# a bounded fuzzing run, and the Windows tests under Wine on the project's own Xvfb.
# Ends with one line "N passed, N failed" and a non-zero exit code on any failure.
#   FUZZ_SECONDS (default 20) bounds the fuzzing run of each of the four fuzz targets.
#   CORPUS_FILES (default 200) is the number of hostile files the viewer is given in one run.
# No -e: it counts each failure and goes on, to run and report every test.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
RESULTS=$BUILD/results
PASSED=0
FAILED=0
FAILED_NAMES=()

"$ROOT/tools/deps.sh" || { echo "0 passed, 1 failed"; exit 1; }
mkdir -p "$BUILD"
"$ROOT/tools/build.sh" all || { echo "build failed"; echo "0 passed, 1 failed"; exit 1; }
rm -rf "$RESULTS"; mkdir -p "$RESULTS"

source "$ROOT/tools/lib/gtest_reports.sh"

# Adds the counts of a GoogleTest XML report; a missing report (crash, time-out) is one failure.
count_report() {  # name, xml, exit code
    local name=$1 xml=$2 rc=$3 counts tests failures errors disabled skipped
    if ! counts=$(gtest_report_counts "$xml"); then
        FAILED=$((FAILED + 1)); FAILED_NAMES+=("$name (exit $rc, no report)"); return
    fi
    read -r tests failures errors disabled skipped <<<"$counts"
    local bad=$((failures + errors))
    PASSED=$((PASSED + tests - bad - disabled - skipped))
    FAILED=$((FAILED + bad))
    [ "$bad" -gt 0 ] && FAILED_NAMES+=("$name: $bad failed")
    if [ "$rc" -ne 0 ] && [ "$bad" -eq 0 ]; then
        FAILED=$((FAILED + 1)); FAILED_NAMES+=("$name (exit $rc)")
    fi
}

echo "== layering"
if "$ROOT/tools/check_layers.sh" "$ROOT" >"$RESULTS/layers.log" 2>&1; then
    PASSED=$((PASSED + 1)); cat "$RESULTS/layers.log"
else
    FAILED=$((FAILED + 1)); FAILED_NAMES+=("layering check"); cat "$RESULTS/layers.log"
fi

echo "== host tests"
"$BUILD/host/host_tests" --gtest_output=xml:"$RESULTS/host.xml" >"$RESULTS/host.log" 2>&1
rc=$?; tail -n 3 "$RESULTS/host.log"; count_report host_tests "$RESULTS/host.xml" $rc

echo "== sonpix tool tests"
"$BUILD/host/cli_tests" --gtest_output=xml:"$RESULTS/cli.xml" >"$RESULTS/cli.log" 2>&1
rc=$?; tail -n 3 "$RESULTS/cli.log"; count_report cli_tests "$RESULTS/cli.xml" $rc

for target in marker_search wav_check jpeg_limits sonpix_check; do
    echo "== fuzzing $target for ${FUZZ_SECONDS:-20} s"
    if "$ROOT/tools/fuzz.sh" "${FUZZ_SECONDS:-20}" "$target" >"$RESULTS/fuzz-$target.log" 2>&1; then
        PASSED=$((PASSED + 1)); grep -E '^Done' "$RESULTS/fuzz-$target.log" | tail -n 1
    else
        FAILED=$((FAILED + 1)); FAILED_NAMES+=("$target fuzzer"); tail -n 30 "$RESULTS/fuzz-$target.log"
    fi
done


echo "== Windows tests under Wine"
source "$ROOT/tools/wine.sh"
run_windows_tests() {  # screen, filter, test programs...
    local screen=$1 filter=$2 exe name rc winxml
    shift 2
    [ "$screen" = "$CURRENT_SCREEN" ] || wine_start "${screen%x*}" "${screen#*x}" || { FAILED=$((FAILED + 1)); FAILED_NAMES+=("wine start $screen"); return; }
    for exe in "$@"; do
        name=$(basename "$exe" .exe)@$screen
        winxml="$RESULTS/$name.xml"
        wine_run "${WIN_TEST_TIMEOUT:-900}" "$exe" --gtest_filter="$filter" \
            --gtest_output=xml:"$(winepath -w "$winxml" 2>/dev/null)" >"$RESULTS/$name.log" 2>&1
        rc=$?
        grep -E '^\[  (PASSED|FAILED)  \]|^\[  FAILED  \] [A-Za-z]' "$RESULTS/$name.log" | sed "s/^/$name: /" | head -n 20
        count_report "$name" "$winxml" $rc
    done
    CURRENT_SCREEN=$screen
}
CURRENT_SCREEN=""
WIN_TESTS=("$BUILD"/win/win_*_tests.exe)
# Tests whose names end in _AtWxH need that screen; all others run on 1280x1024.
run_windows_tests 1280x1024 "-*_At*" "${WIN_TESTS[@]}"
declare -A SCREEN_TESTS=()
for exe in "${WIN_TESTS[@]}"; do
    for screen in $(gtest_screens "$exe"); do
        SCREEN_TESTS[$screen]+="$exe "
    done
done
# Only the programs that have a test for a screen are started again on it.
for screen in $(printf '%s\n' "${!SCREEN_TESTS[@]}" | sort); do
    read -r -a exes <<<"${SCREEN_TESTS[$screen]}"
    run_windows_tests "$screen" "*_At$screen*" "${exes[@]}"
done
wine_stop

for extra in "$ROOT"/tests/e2e/*.sh; do
    [ -f "$extra" ] || continue
    name=$(basename "$extra" .sh)
    echo "== $name"
    if BUILD=$BUILD bash "$extra" >"$RESULTS/$name.log" 2>&1; then
        PASSED=$((PASSED + 1))
    else
        FAILED=$((FAILED + 1)); FAILED_NAMES+=("$name"); tail -n 20 "$RESULTS/$name.log"
    fi
done

for n in "${FAILED_NAMES[@]}"; do echo "FAILED: $n"; done
echo "$PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
