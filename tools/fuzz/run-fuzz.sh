#!/usr/bin/env bash
# Builds one fuzz target with clang, ASan and UBSan into build-fuzz/ and runs it.
#   tools/fuzz/run-fuzz.sh TARGET SECONDS
# The corpus grows in fuzz-out/TARGET/, crashes land in fuzz-out/TARGET-crashes/; seed files
# in tools/fuzz/seeds/TARGET/ are read too when there are any.
set -euo pipefail
cd "$(dirname "$0")/../.."
target=${1:?usage: run-fuzz.sh TARGET SECONDS}
seconds=${2:?usage: run-fuzz.sh TARGET SECONDS}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVANES_FUZZ=ON -DCORVANES_SANITIZE=ON -DCORVANES_TESTS=OFF -DCORVANES_BENCHMARKS=OFF \
    -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build build-fuzz --target "$target" -j 2

corpus=fuzz-out/$target
crashes=fuzz-out/$target-crashes
mkdir -p "$corpus" "$crashes"
seeds=()
[ -d "tools/fuzz/seeds/$target" ] && seeds=("tools/fuzz/seeds/$target")
exec "build-fuzz/tools/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$crashes/" "$corpus" "${seeds[@]}"
