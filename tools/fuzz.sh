#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each of them for a bounded time.
#   tools/fuzz.sh [SECONDS] [TARGET...]   targets (default: all):
#     marker_search  the fast marker search against the plain one
#     wav_check      the WAV header check
#     jpeg_limits    JPEG header reading, the size limit and the scan and work limits
#     sonpix_check   the sonpix tool's full check (libjpeg included) on arbitrary bytes
# Each target keeps its corpus in build/fuzz/<target>; seeds come from sox and ImageMagick.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
OUT=$BUILD/fuzz
SECONDS_EACH=${1:-60}
shift || true
TARGETS=("$@")
[ ${#TARGETS[@]} -gt 0 ] || TARGETS=(marker_search wav_check jpeg_limits sonpix_check)
FLAGS=(-std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$ROOT")
mkdir -p "$OUT"

build() {  # target
    case $1 in
    marker_search) clang++ "${FLAGS[@]}" "$ROOT/tests/host/fuzz/marker_search_fuzzer.cpp" "$ROOT/container/SonpixLayout.cpp" \
                       -o "$OUT/marker_search_fuzzer" ;;
    wav_check) clang++ "${FLAGS[@]}" "$ROOT/tests/host/fuzz/wav_check_fuzzer.cpp" "$ROOT/sound/WavCheck.cpp" \
                   "$ROOT/sound/WavCodecRules.cpp" -o "$OUT/wav_check_fuzzer" ;;
    jpeg_limits) clang++ "${FLAGS[@]}" "$ROOT/tests/host/fuzz/jpeg_limits_fuzzer.cpp" "$ROOT/picture/JpegDecoder.cpp" "$ROOT/picture/JpegDecompressor.cpp" \
                     "$ROOT/picture/JpegError.cpp" "$ROOT/picture/JpegLimits.cpp" "$ROOT/picture/JpegScanCounter.cpp" \
                     -ljpeg -o "$OUT/jpeg_limits_fuzzer" ;;
    sonpix_check) clang++ "${FLAGS[@]}" "$ROOT/tests/host/fuzz/sonpix_check_fuzzer.cpp" "$ROOT"/cli/*.cpp \
                      "$ROOT/picture/JpegHeaderCheck.cpp" "$ROOT/picture/JpegDecompressor.cpp" "$ROOT/picture/JpegError.cpp" "$ROOT/picture/JpegLimits.cpp" "$ROOT/picture/JpegScanCounter.cpp" \
                      "$ROOT/container/SonpixLayout.cpp" "$ROOT/sound/WavCheck.cpp" "$ROOT/sound/WavCodecRules.cpp" \
                      -ljpeg -o "$OUT/sonpix_check_fuzzer" ;;
    *) echo "unknown fuzz target $1" >&2; return 1 ;;
    esac
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
    "$OUT/${target}_fuzzer" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -rss_limit_mb=3072 \
        -artifact_prefix="$OUT/${target}-" "${dict[@]}" "$corpus"
done
