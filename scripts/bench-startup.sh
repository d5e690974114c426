#!/usr/bin/env bash
# Start-up benchmark: builds the program and the bare one-window program in the Windows tree, then
# starts them in turn in one private Wine session and prints both launch-to-visible times and
# their ratio.   scripts/bench-startup.sh [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >/dev/null
cmake --build "$root/build/win32" --target lanxing bare_window window_watch winprobe wine-noop >/dev/null
win="$root/build/win32"
exec python3 "$root/bench/startup/startup_bench.py" --wine-dir "$win/wine" --program "$win/app/澜星助手工具箱.exe" \
  --bare "$win/bench/startup/bare_window.exe" --watch "$win/bench/startup/window_watch.exe" \
  --work "$root/build/bench-startup" --runs "${1:-7}"
