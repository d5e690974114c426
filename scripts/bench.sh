#!/usr/bin/env bash
# Builds the benchmarks in a Release tree without sanitizers (build/bench) and runs them.
#   scripts/bench.sh [repeats]        decode speed, ours beside libmpg123's
#   scripts/bench.sh --callgrind      instructions per second of audio of our decoder
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[ -f build/bench/build.ninja ] || cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLANXING_SANITIZE=OFF >/dev/null
cmake --build build/bench --target mp3_bench
bench=build/bench/bench/mp3/mp3_bench
corpus=build/bench/tests/unit/mp3/corpus
if [ "${1:-}" = "--callgrind" ]; then
  out=$(mktemp)
  seconds=$("$bench" "$corpus" 1 --only-ours | sed -n 's/^decoded \([0-9.]*\) s.*/\1/p')
  valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='*decodeWithOurs*' \
    "$bench" "$corpus" 1 --only-ours >/dev/null 2>&1
  instructions=$(sed -n 's/^summary: *\([0-9]*\).*/\1/p' "$out")
  rm -f "$out"
  # Two passes were collected: the one that measures the audio length and the timed one.
  awk -v i="$instructions" -v s="$seconds" 'BEGIN { printf "callgrind: %.0f instructions per second of audio (%d instructions, 2 x %.2f s)\n", i / (2 * s), i, s }'
else
  "$bench" "$corpus" "${1:-20}"
fi
