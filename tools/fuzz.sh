#!/usr/bin/env bash
# Builds the libFuzzer target for the marker search with clang and runs it for a bounded time.
#   tools/fuzz.sh [SECONDS]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
OUT=$BUILD/fuzz
mkdir -p "$OUT/corpus"
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$ROOT" \
    "$ROOT/tests/host/fuzz/marker_search_fuzzer.cpp" "$ROOT/container/SonpixLayout.cpp" -o "$OUT/marker_search_fuzzer"
"$OUT/marker_search_fuzzer" -max_total_time="${1:-60}" -print_final_stats=1 -dict="$ROOT/tests/host/fuzz/sonpix.dict" "$OUT/corpus"
