#!/usr/bin/env bash
# Installs what is missing, builds, and runs all three tiers: native unit tests, Win32 tests under
# Wine, and end-to-end tests of the real program under Wine on a private virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root"
status=0
echo "== unit tests (native, ASan + UBSan)"
ctest --test-dir build/host -j2 --output-on-failure --timeout 600 || status=1
echo "== fuzz targets (libFuzzer, ASan + UBSan, bounded time)"
ctest --test-dir build/fuzz -j2 --output-on-failure || status=1
echo "== Win32 and end-to-end tests (Wine)"
if scripts/runs-32bit.sh; then
  ctest --test-dir build/win32 -j2 --output-on-failure --timeout 900 || status=1
elif [ $? -eq 1 ]; then
  echo "SKIPPED: the Win32 and end-to-end tests need Wine; they did not run on this machine"
else
  status=1
fi
exit $status
