# GoogleTest helpers sourced by tools/test.sh and tools/mutate.sh: report counts and test screens.
# shellcheck shell=bash
#   gtest_report_counts XML   prints "TESTS FAILURES ERRORS DISABLED SKIPPED"; fails, printing
#                             nothing, when the report is missing or empty
#   gtest_report_passed XML   0 when the report exists and counts no failure or error
#   gtest_screens EXE         prints the WxH screens that EXE has _AtWxH tests for, one a line
# A program that crashes may still end with code 0 under Wine, so a missing report is a failure.
# gtest_screens runs EXE through wine_run: the caller sources tools/wine.sh and starts Wine first.

gtest_report_counts() {  # xml
    local xml=$1 totals name tests failures errors disabled skipped
    [ -s "$xml" ] || return 1
    # The totals are the attributes of the first <testsuites> tag; one it lacks counts as 0.
    totals=$(grep -m1 -o '<testsuites [^>]*' "$xml" || true)
    for name in tests failures errors; do
        printf -v "$name" '%s' "$(grep -o " $name=\"[0-9]*\"" <<<"$totals" | grep -o '[0-9]*')"
    done
    disabled=$(grep -c '<testcase [^>]*status="notrun"' "$xml" || true)
    skipped=$(grep -c '<skipped' "$xml" || true)
    echo "${tests:-0} ${failures:-0} ${errors:-0} ${disabled:-0} ${skipped:-0}"
}

gtest_report_passed() {  # xml
    local counts failures errors
    counts=$(gtest_report_counts "$1") || return 1
    read -r _ failures errors _ <<<"$counts"
    [ $((failures + errors)) -eq 0 ]
}

gtest_screens() {  # exe
    wine_run 120 "$1" --gtest_list_tests 2>/dev/null | grep -o '_At[0-9]*x[0-9]*' | sort -u | sed 's/_At//'
}
