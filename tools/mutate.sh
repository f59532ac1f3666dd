#!/usr/bin/env bash
# Mutation check: plants each fault of tests/mutations/faults.txt, one at a time, in a scratch copy
# of the tree, builds, and runs the test programs that should catch it. Reports each fault as
# caught, MISSED or "no build", with the seconds it took. The working tree is never changed.
#   tools/mutate.sh [FAULT-ID...]        all faults, or only these
#   MUTATE_SCRATCH (default /tmp/sonpix-mutate) holds the copy and its builds between runs.
#   MUTATE_PROGRAM_SECONDS (default 300): a test program still running then counts as failed; a
#   planted fault may hang it (the longest test program takes about 3 minutes under load).
# No -e: planted faults fail builds and test programs on purpose; it records each outcome and goes on.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
LIST=${MUTATE_LIST:-$ROOT/tests/mutations/faults.txt}
SCRATCH=${MUTATE_SCRATCH:-/tmp/sonpix-mutate}
TREE=$SCRATCH/tree
export BUILD=$TREE/build
PROGRAM_SECONDS=${MUTATE_PROGRAM_SECONDS:-300}

"$ROOT/tools/deps.sh" || exit 1
mkdir -p "$TREE"
# The copy follows the working tree (uncommitted changes included), without builds or caches.
# Only files whose bytes differ are copied, and with a new time: tar keeps the old times, which
# would let an object built from a fault planted in an earlier run stand as up to date.
STAGE=$SCRATCH/stage
rm -rf "$STAGE"; mkdir -p "$STAGE"
tar -C "$ROOT" --exclude=./build --exclude='./build-*' --exclude=./.cache --exclude=./.git -cf - . | tar -C "$STAGE" -xf -
(cd "$STAGE" && find . -type f) | while IFS= read -r f; do
    cmp -s "$STAGE/$f" "$TREE/$f" || { mkdir -p "$(dirname "$TREE/$f")"; cp "$STAGE/$f" "$TREE/$f"; }
done
(cd "$TREE" && find . -path ./build -prune -o -path ./.cache -prune -o -type f -print) | while IFS= read -r f; do
    [ -e "$STAGE/$f" ] || rm -f "$TREE/$f"
done
rm -rf "$STAGE"
ln -sfn "$ROOT/.cache" "$TREE/.cache"
echo "mutate: first build of the copy"
"$TREE/tools/build.sh" all >/dev/null || { echo "mutate: the unchanged tree does not build"; exit 1; }
source "$TREE/tools/wine.sh"
# A program passed when its GoogleTest report exists and counts no failure or error
# (gtest_report_passed): a program that crashes may still end with code 0 under Wine.
source "$ROOT/tools/lib/gtest_reports.sh"
SCREEN=""

# Runs one test program of the copy; 0 when all its tests pass. Windows programs run on every
# screen they have tests for, like tools/test.sh does.
run_program() {  # name
    local name=$1 exe screens screen xml=$SCRATCH/report.xml
    rm -f "$xml"
    if [ -x "$BUILD/host/$name" ]; then  # host_tests, cli_tests
        "$BUILD/host/$name" --gtest_output=xml:"$xml" >/dev/null 2>&1 && gtest_report_passed "$xml"; return
    fi
    exe=$BUILD/win/$name.exe
    [ -f "$exe" ] || { echo "mutate: no program $name" >&2; return 2; }
    [ "$SCREEN" = 1280x1024 ] || { wine_start 1280 1024 >/dev/null && SCREEN=1280x1024; }
    wine_run "$PROGRAM_SECONDS" "$exe" --gtest_filter='-*_At*' --gtest_output=xml:"$(winepath -w "$xml" 2>/dev/null)" >/dev/null 2>&1
    gtest_report_passed "$xml" || return 1
    screens=$(gtest_screens "$exe")
    for screen in $screens; do
        wine_start "${screen%x*}" "${screen#*x}" >/dev/null && SCREEN=$screen
        rm -f "$xml"
        wine_run "$PROGRAM_SECONDS" "$exe" --gtest_filter="*_At$screen*" --gtest_output=xml:"$(winepath -w "$xml" 2>/dev/null)" >/dev/null 2>&1
        gtest_report_passed "$xml" || return 1
    done
    return 0
}

# Prints the fault records as: id, file, find, replace, tests, split by the unit separator (0x1F),
# which, unlike a tab, keeps an empty replacement as an empty field (escapes kept).
records() {
    awk -F': ' '
        /^id: /      { if (id) print id "\037" file "\037" find "\037" repl "\037" tests; id=substr($0,5); file=find=repl=tests="" }
        /^file: /    { file=substr($0,7) }
        /^find: /    { find=substr($0,7) }
        /^replace: / { repl=substr($0,10) }
        /^tests: /   { tests=substr($0,8) }
        END          { if (id) print id "\037" file "\037" find "\037" repl "\037" tests }' "$LIST"
}

selected_ids=("$@")
is_selected() { [ ${#selected_ids[@]} -eq 0 ] || printf '%s\n' "${selected_ids[@]}" | grep -qx "$1"; }

# The unchanged copy must pass every program the selected faults name, or a failure would prove nothing.
baseline=$(records | while IFS=$'\037' read -r id _ _ _ tests; do is_selected "$id" && printf '%s\n' $tests; done | sort -u)
for program in $baseline; do
    run_program "$program" || { echo "mutate: $program fails on the unchanged tree; fix that first"; wine_stop >/dev/null 2>&1; exit 1; }
done
echo "mutate: the unchanged tree passes $(echo $baseline | wc -w) test programs"

caught=0; missed=0; broken=0; total_start=$(date +%s)
printf '%-34s %-8s %5s  %s\n' fault result secs tests
while IFS=$'\037' read -r id file find replace tests; do
    is_selected "$id" || continue
    start=$(date +%s)
    original=$(mktemp)
    cp "$TREE/$file" "$original"
    # Exact text, once: \n and \t in the list stand for a line break and a tab.
    if ! FIND=$find REPL=$replace perl -0777 -i -pe '
            BEGIN { ($f, $r) = map { my $s = $_; $s =~ s/\\n/\n/g; $s =~ s/\\t/\t/g; $s } ($ENV{FIND}, $ENV{REPL}); }
            my $at = index($_, $f); die "not found\n" if $at < 0;
            die "found twice\n" if index($_, $f, $at + 1) >= 0;
            substr($_, $at, length $f) = $r;' "$TREE/$file" 2>/dev/null; then
        printf '%-34s %-8s %5s  %s\n' "$id" "BAD-TEXT" 0 "the text is not in $file exactly once"
        broken=$((broken + 1)); rm -f "$original"; continue
    fi
    result=MISSED
    if "$TREE/tools/build.sh" all >/dev/null 2>&1; then
        for program in $tests; do
            run_program "$program"; rc=$?
            if [ $rc -eq 1 ] || [ $rc -gt 2 ]; then result=caught; break; fi
        done
    else
        result="no-build"
    fi
    # Back to the unchanged text, with a new time so that the next build compiles it again.
    cp "$original" "$TREE/$file"; touch "$TREE/$file"; rm -f "$original"
    case $result in caught) caught=$((caught + 1)) ;; MISSED) missed=$((missed + 1)) ;; *) broken=$((broken + 1)) ;; esac
    printf '%-34s %-8s %5s  %s\n' "$id" "$result" $(( $(date +%s) - start )) "$tests"
done < <(records)
wine_stop >/dev/null 2>&1
all=$((caught + missed))
echo "mutate: $caught caught, $missed missed, $broken not run, of $all faults tried; $(( $(date +%s) - total_start )) s"
[ "$all" -gt 0 ] && echo "mutate: $(( 100 * caught / all ))% caught"
