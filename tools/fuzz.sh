#!/usr/bin/env bash
# Builds a libFuzzer target with clang and runs it for a bounded time.
#   tools/fuzz.sh [SECONDS] [marker_search|sonpix_check]
# marker_search: the fast marker search against the plain one.
# sonpix_check: the sonpix tool's full check (libjpeg included) on arbitrary bytes.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
TARGET=${2:-marker_search}
OUT=$BUILD/fuzz
mkdir -p "$OUT/corpus-$TARGET"
FLAGS=(-std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$ROOT")
case "$TARGET" in
    marker_search)
        clang++ "${FLAGS[@]}" "$ROOT/tests/host/fuzz/marker_search_fuzzer.cpp" "$ROOT/container/SonpixLayout.cpp" \
            -o "$OUT/$TARGET" ;;
    sonpix_check)
        clang++ "${FLAGS[@]}" "$ROOT/tests/host/fuzz/sonpix_check_fuzzer.cpp" "$ROOT"/cli/*.cpp \
            "$ROOT/picture/JpegHeaderCheck.cpp" "$ROOT/container/SonpixLayout.cpp" "$ROOT/sound/WavCheck.cpp" \
            -ljpeg -o "$OUT/$TARGET" ;;
    *) echo "unknown fuzz target $TARGET" >&2; exit 2 ;;
esac
# A header may declare a picture of 100 megapixels in a few bytes, which libjpeg may then buffer.
"$OUT/$TARGET" -max_total_time="${1:-60}" -print_final_stats=1 -rss_limit_mb=3072 \
    -dict="$ROOT/tests/host/fuzz/sonpix.dict" "$OUT/corpus-$TARGET"
