#!/usr/bin/env bash
# Runs every fuzz target with a random seed for SECONDS each (default 600), to look for new faults.
# What a target finds stays in build/fuzz/**/NAME-found; an input that fails is saved beside it as
# NAME-found-crash-*: copy it into the target's regressions/ folder, where the test command's fuzz
# runs and the native replay test keep it from then on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
export LANXING_FUZZ_SECONDS=${1:-600}
status=0
# The same commands CTest runs, taken from its own listing; run here without CTest's time limit.
while IFS= read -r -d '' command; do
  echo "== $command"
  eval "$command" || status=1
done < <(ctest --test-dir "$root/build/fuzz" -L fuzz --show-only=json-v1 | python3 -c '
import json, shlex, sys
for t in json.load(sys.stdin)["tests"]:
    sys.stdout.write(shlex.join(t["command"]) + "\0")')
exit $status
