#!/usr/bin/env bash
# Builds the benchmarks without sanitizers but with the program's own build type and options
# (RelWithDebInfo: -O2, and the decoder's -fno-math-errno) in build/bench, and runs them.
#   scripts/bench.sh [repeats]        decode speed, ours beside libmpg123's
#   scripts/bench.sh --callgrind      instructions per second of audio of our decoder
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[ -f build/bench/build.ninja ] || cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLANXING_SANITIZE=OFF >/dev/null
cmake --build build/bench --target mp3_bench
flags=$(sed -n 's/^CMAKE_CXX_FLAGS_RELWITHDEBINFO:STRING=//p' build/bench/CMakeCache.txt)
echo "decoder built as the program builds it: $flags -fno-math-errno"
bench=build/bench/bench/mp3/mp3_bench
corpus=build/bench/tests/unit/mp3/corpus
if [ "${1:-}" = "--callgrind" ]; then
  # Instructions inside the decoding calls only, per second of the corpus's audio.
  for decoder in ours generic default; do
    out=$(mktemp)
    function=decodeWithMpg123; [ $decoder = ours ] && function=decodeWithOurs
    seconds=$("$bench" "$corpus" 1 --only=$decoder | sed -n 's/^decoded \([0-9.]*\) s.*/\1/p')
    valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect="*$function*" \
      "$bench" "$corpus" 1 --only=$decoder >/dev/null 2>&1
    instructions=$(sed -n 's/^summary: *\([0-9]*\).*/\1/p' "$out")
    rm -f "$out"
    # Our decoder also runs once to measure the audio length before the counted pass.
    passes=1; [ $decoder = ours ] && passes=2
    awk -v d="$decoder" -v i="$instructions" -v s="$seconds" -v p="$passes" \
      'BEGIN { printf "callgrind %-8s %.0f instructions per second of audio (%d instructions over %d x %.2f s)\n", d, i / (p * s), i, p, s }'
  done
else
  "$bench" "$corpus" "${1:-20}"
fi
