#!/bin/sh
# run-fuzz.sh FOUND RUNS TARGET INPUTS...: one run of a libFuzzer target from its saved inputs.
# By default the run is the same every time: a fixed seed, a fixed number of runs, and FOUND emptied
# first, so only the committed inputs seed it. With LANXING_FUZZ_SECONDS set (scripts/fuzz.sh) it
# takes a random seed for that many seconds instead and keeps what it finds in FOUND.
set -eu
found=$1 runs=$2 target=$3
shift 3
if [ -n "${LANXING_FUZZ_SECONDS:-}" ]; then
  mkdir -p "$found"
  exec "$target" -seed=0 -max_total_time="$LANXING_FUZZ_SECONDS" -rss_limit_mb=4096 -timeout=25 \
    -artifact_prefix="$found-crash-" "$found" "$@"
fi
rm -rf "$found"
mkdir -p "$found"
exec "$target" -seed=20261209 -runs="$runs" -rss_limit_mb=4096 -timeout=25 -artifact_prefix="$found-crash-" "$found" "$@"
