#!/usr/bin/env bash
# Builds one fuzz target with clang, AddressSanitizer and UndefinedBehaviorSanitizer, then runs
# it for a while. Any finding (crash, leak, timeout, memory blow-up) fails the run and leaves
# the input that caused it in fuzz-out/TARGET/findings/.
#   tools/fuzz/run-fuzz.sh TARGET SECONDS
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 TARGET SECONDS" >&2
    exit 2
fi
target=$1
seconds=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build-fuzz
out=$root/fuzz-out/$target
testdata=${CORVANES_TESTDATA_DIR:-$root/../shared/testdata}

# Sample files each target starts from; a target with none starts from nothing.
seeds_for() {
    case $1 in
        BmpDecoderFuzz) echo "$testdata/bmpsuite" ;;
        WavReaderFuzz | SoundLoadFuzz | ControlsFileFuzz | InputScriptFuzz) echo "$root/tools/fuzz/seeds/$1" ;;
    esac
}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCORVANES_FUZZ=ON -DCORVANES_SANITIZE=ON -DCORVANES_TESTS=OFF -DCORVANES_BENCHMARKS=OFF
cmake --build "$build" -j2 --target "$target"

mkdir -p "$out/corpus" "$out/findings"
seeds=()
while IFS= read -r dir; do
    if [ -d "$dir" ]; then seeds+=("$dir"); fi
done < <(seeds_for "$target")

# The first corpus folder collects what the fuzzer finds worth keeping; seed folders are only
# read. Each input gets 10 s and the process 2 GB before either counts as a finding.
status=0
"$build/tools/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$out/findings/" "$out/corpus" "${seeds[@]}" ||
    status=$?

if [ "$status" -ne 0 ] || [ -n "$(ls -A "$out/findings")" ]; then
    echo "$target: findings in $out/findings" >&2
    exit 1
fi
