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
windows_tree=build/win32
refused=0
scripts/runs-32bit.sh || refused=$?
[ $refused -le 1 ] || exit 1
if [ $refused -eq 1 ]; then
  # Wine still starts 64-bit programs here: the tests run against the same sources built for 64-bit.
  echo "the Win32 and end-to-end tests run against a 64-bit build (build/win64) instead"
  scripts/install-deps.sh win64
  windows_tree=build/win64
  [ -f $windows_tree/build.ninja ] || cmake -S . -B $windows_tree -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DLANXING_HOST_BUILD="$root/build/host" >/dev/null
  cmake --build $windows_tree
fi
ctest --test-dir $windows_tree -j2 --output-on-failure --timeout 900 || status=1
exit $status
