#!/usr/bin/env bash
# Builds the three trees, configuring each the first time: build/host (portable code, build tools
# and native tests, with ASan and UBSan), build/fuzz (libFuzzer targets, clang) and build/win32 (the
# Windows program and its Win32 tests, which uses the host tree's tools).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[ -f build/host/build.ninja ] || cmake -S . -B build/host -G Ninja >/dev/null
cmake --build build/host
[ -f build/fuzz/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DLANXING_FUZZ=ON >/dev/null
cmake --build build/fuzz
[ -f build/win32/build.ninja ] || cmake -S . -B build/win32 -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DLANXING_HOST_BUILD="$root/build/host" >/dev/null
cmake --build build/win32
