#!/usr/bin/env bash
# Builds the libFuzzer targets (cmake/Fuzz.cmake) with clang and runs each of them for a bounded time.
#   tools/fuzz.sh [SECONDS] [TARGET...]   targets (default: all):
#     marker_search  the fast marker search against the plain one
#     wav_check      the WAV header check
#     jpeg_limits    JPEG header reading, the size limit and the scan and work limits
#     sonpix_check   the sonpix tool's full check (libjpeg included) on arbitrary bytes
# Each target keeps its corpus in build/fuzz/<target>; seeds come from sox and ImageMagick.
# The programs are built in build/fuzz-cmake (configured with -DSONPIX_FUZZ=ON), its log in build.log there.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
OUT=$BUILD/fuzz
PROGRAMS=$BUILD/fuzz-cmake
SECONDS_EACH=${1:-60}
shift || true
ALL_TARGETS=(marker_search wav_check jpeg_limits sonpix_check)
TARGETS=("$@")
[ ${#TARGETS[@]} -gt 0 ] || TARGETS=("${ALL_TARGETS[@]}")
mkdir -p "$OUT"

build() {  # target
    case " ${ALL_TARGETS[*]} " in
    *" $1 "*) ;;
    *) echo "unknown fuzz target $1" >&2; return 1 ;;
    esac
    # Debug adds nothing to Fuzz.cmake's own flags (-O1 -g, sanitizers).
    [ -f "$PROGRAMS/build.ninja" ] || CC=clang CXX=clang++ cmake -S "$ROOT" -B "$PROGRAMS" -G Ninja -Wno-dev \
        -DSONPIX_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
    ninja -C "$PROGRAMS" "$1_fuzzer" >"$PROGRAMS/build.log" 2>&1 || { tail -n 60 "$PROGRAMS/build.log"; return 1; }
}

seed() {  # target, corpus folder
    local corpus=$2
    [ -z "$(ls -A "$corpus" 2>/dev/null)" ] || return 0
    case $1 in
    wav_check)
        for e in signed-integer ms-adpcm ima-adpcm gsm-full-rate u-law a-law; do
            sox -q -n -r 8000 -c 1 -e "$e" "$corpus/$e.wav" synth 0.02 sine 440 2>/dev/null || true
        done
        sox -q -n -r 22050 -c 2 -e ms-adpcm "$corpus/ms-adpcm-stereo.wav" synth 0.02 sine 440 2>/dev/null || true
        sox -q -n -r 22050 -c 2 -e ima-adpcm "$corpus/ima-adpcm-stereo.wav" synth 0.02 sine 440 2>/dev/null || true ;;
    jpeg_limits)
        convert -size 24x16 gradient:red-blue "$corpus/baseline.jpg" 2>/dev/null || true
        convert -size 24x16 gradient:red-blue -interlace JPEG "$corpus/progressive.jpg" 2>/dev/null || true
        convert -size 24x16 gradient:red-blue -colorspace CMYK "$corpus/cmyk.jpg" 2>/dev/null || true
        convert -size 24x16 gradient: -colorspace Gray "$corpus/grey.jpg" 2>/dev/null || true
        convert -size 24x16 gradient:red-blue -sampling-factor 1x1 -define jpeg:restart-interval=1 "$corpus/restart.jpg" 2>/dev/null || true ;;
    esac
}

for target in "${TARGETS[@]}"; do
    build "$target"
    corpus=$OUT/$target
    mkdir -p "$corpus"
    seed "$target" "$corpus"
    dict=()
    case $target in marker_search|sonpix_check) dict=(-dict="$ROOT/tests/host/fuzz/sonpix.dict") ;; esac
    echo "== $target for $SECONDS_EACH s"
    "$PROGRAMS/${target}_fuzzer" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -rss_limit_mb=3072 \
        -artifact_prefix="$OUT/${target}-" "${dict[@]}" "$corpus"
done
