#!/usr/bin/env bash
# Lays out every C and C++ source of the tree by .clang-format; with --check, changes nothing and
# lists the files that differ from that layout (exit 1 when any does).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c')
if [ "${1:-}" = "--check" ]; then
  differ=()
  for f in "${files[@]}"; do
    clang-format --style=file "$f" | cmp -s - "$f" || differ+=("$f")
  done
  [ ${#differ[@]} -eq 0 ] && exit 0
  printf 'not laid out by .clang-format (scripts/format.sh fixes them):\n'
  printf '  %s\n' "${differ[@]}"
  exit 1
fi
clang-format -i --style=file "${files[@]}"
