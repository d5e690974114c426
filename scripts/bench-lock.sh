#!/usr/bin/env bash
# The lock screen's CPU share under Wine: the program built (build/win32), the tests' Wine session
# started, the lock window measured unlocked and locked for 10 s each, the session stopped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --build build/win32 --target lanxing winprobe wine-noop
wine_dir="$root/build/win32/wine"
"$wine_dir/session.sh" start
trap '"$wine_dir/session.sh" stop' EXIT
LANXING_EXE="$root/build/win32/app/澜星助手工具箱.exe" LANXING_WINE_DIR="$wine_dir" PYTHONDONTWRITEBYTECODE=1 \
  python3 bench/lock/lock_cpu_bench.py
