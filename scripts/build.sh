#!/usr/bin/env bash
# Builds both trees: build/host (portable code, tools and native tests, with ASan and UBSan) and
# build/win32 (the Windows program and its Win32 tests), configuring each the first time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[ -f build/host/build.ninja ] || cmake -S . -B build/host -G Ninja >/dev/null
cmake --build build/host
[ -f build/win32/build.ninja ] || cmake -S . -B build/win32 -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DLANXING_HOST_BUILD="$root/build/host" >/dev/null
cmake --build build/win32
