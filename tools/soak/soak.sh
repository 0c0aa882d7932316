#!/usr/bin/env bash
# A long run of the real game on the headless backend: the craft flies, shoots and transforms,
# and every 1000 passes "1" is pressed twice (to the navigation screen and into a new battle),
# so battles keep being set up and torn down. The resident memory is sampled while it runs.
#   tools/soak/soak.sh          1,000,000 passes with build/; fails unless memory stays flat
#   tools/soak/soak.sh --asan   100,000 passes with build-asan/; fails on any sanitizer report
# PASSES=N overrides the number of passes.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
mode=soak
if [ "${1:-}" = --asan ]; then
    mode=asan
elif [ $# -gt 0 ]; then
    echo "usage: $0 [--asan]" >&2
    exit 2
fi
if [ $mode = asan ]; then
    game=$root/build-asan/game
    passes=${PASSES:-100000}
else
    game=$root/build/game
    passes=${PASSES:-1000000}
fi
runner=$game/corvanes-headless
cycle=1000
# Flat: the last sample is at most this much above the first, which is taken once the first
# battle is running.
slack_kib=1024
sample_seconds=5
# The trace confirms the script's count of battles over this many passes.
confirm_passes=20000

[ -x "$runner" ] || { echo "soak: no $runner; build it first" >&2; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$game"/*.bmp "$game"/controls.cfg "$scratch"/

# One cycle of input, repeated: thrust right, a volley of straight shots, a transformation up
# and one down, then "1" twice, each press held five passes so that no phase change misses it.
awk -v passes="$passes" -v cycle="$cycle" 'BEGIN {
    for (b = 0; b < passes; b += cycle) {
        print b + 10, "key 57 down"; print b + 10, "key 205 down"
        for (t = b + 20; t < b + 150; t += 20) { print t, "key 32 down"; print t + 3, "key 32 up" }
        print b + 150, "key 205 up"
        for (t = b + 160; t < b + 900; t += 20) { print t, "key 32 down"; print t + 3, "key 32 up" }
        print b + 300, "key 17 down"; print b + 305, "key 17 up"
        print b + 600, "key 31 down"; print b + 605, "key 31 up"
        print b + 900, "key 57 up"
        print b + 970, "key 2 down"; print b + 975, "key 2 up"
        print b + 978, "mouse move 40 -25"
        print b + 985, "key 2 down"; print b + 990, "key 2 up"
    }
}' | sort -n -s -k1,1 >"$scratch/input.txt"

# By design: the first battle, set up in pass 0, and one for each cycle's second press, whose
# battle is set up two passes later (pass 987 of the cycle). A craft destroyed on the way adds a
# restart of its own on top.
designed() {
    local n=1 b
    for ((b = 0; b + 987 < $1; b += cycle)); do n=$((n + 1)); done
    echo $n
}

# The trace of a shorter run, streamed and never stored: each pass that ends in the battle's
# set-up phase is followed by a set-up.
if [ $mode = soak ]; then
    confirm_passes=$((confirm_passes < passes ? confirm_passes : passes))
    awk -v n="$confirm_passes" '$1 < n' "$scratch/input.txt" >"$scratch/confirm.txt"
    set +e
    "$runner" --frames "$confirm_passes" --dir "$scratch" --input "$scratch/confirm.txt" \
        --trace /dev/stdout | grep -c '"mode":1,"phase":0,' >"$scratch/setups.txt"
    codes=("${PIPESTATUS[@]}")
    set -e
    [ "${codes[0]}" -eq 0 ] || { echo "soak: FAIL, the confirmation run failed" >&2; exit 1; }
    confirmed=$((1 + $(cat "$scratch/setups.txt")))
    expected=$(designed "$confirm_passes")
    echo "confirmation: $confirm_passes passes began $confirmed battles, $expected by the" \
        "script's design and $((confirmed - expected)) after the craft was destroyed"
    if [ "$confirmed" -lt "$expected" ]; then
        echo "soak: FAIL, a press of \"1\" was missed" >&2
        exit 1
    fi
fi

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || true; }

if [ $mode = asan ]; then
    export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
start=$(date +%s.%N)
"$runner" --frames "$passes" --dir "$scratch" --input "$scratch/input.txt" \
    >"$scratch/out.txt" 2>"$scratch/err.txt" &
pid=$!
first=
last=
peak=0
samples=0
# Looked at five times a second, so that the wall time is close; sampled every few seconds.
polls=0
while kill -0 "$pid" 2>/dev/null; do
    sleep 0.2
    polls=$((polls + 1))
    [ $((polls % (5 * sample_seconds))) -eq 0 ] || continue
    rss=$(rss_kib "$pid")
    [ -n "$rss" ] || break
    first=${first:-$rss}
    last=$rss
    peak=$((rss > peak ? rss : peak))
    samples=$((samples + 1))
done
status=0
wait "$pid" || status=$?
end=$(date +%s.%N)

battles=$(designed "$passes")
echo "passes: $passes in $(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }') s"
echo "battles begun: at least $battles, by the script's design"
echo "resident memory: first ${first:-none} KiB, last ${last:-none} KiB, peak $peak KiB," \
    "$samples samples $sample_seconds s apart"
echo "runner exit status: $status; log.txt: $(wc -l <"$scratch/log.txt") lines"
cat "$scratch/err.txt" >&2

if [ $mode = asan ]; then
    if [ $status -ne 0 ] || grep -qE 'Sanitizer|runtime error' "$scratch/err.txt"; then
        echo "soak: FAIL, the sanitizers reported" >&2
        exit 1
    fi
    echo "sanitizers: no report"
    exit 0
fi
[ $status -eq 0 ] || { echo "soak: FAIL, the runner failed" >&2; exit 1; }
[ "$battles" -ge 500 ] || { echo "soak: FAIL, fewer than 500 battles" >&2; exit 1; }
if [ -z "$first" ] || [ "$last" -gt $((first + slack_kib)) ]; then
    echo "soak: FAIL, memory grew (flat: last <= first + $slack_kib KiB)" >&2
    exit 1
fi
echo "memory flat: last <= first + $slack_kib KiB"
