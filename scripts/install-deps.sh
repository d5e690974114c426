#!/usr/bin/env bash
# Installs what building and testing need on Debian 12; does nothing when all is present.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev googletest clang clang-format libclang-rt-14-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  wine wine32:i386 fonts-wine libasound2:i386 libmpg123-0:i386
  xvfb xdotool imagemagick libjpeg-turbo-progs fonts-wqy-microhei fonts-arphic-uming locales
  lame mpg123 libmpg123-dev espeak-ng sox fluidsynth python3 e2fsprogs
)
# `install-deps.sh win64`: also the 64-bit compiler and Wine, for the tests' 64-bit build on machines
# that do not run 32-bit programs.
[ "${1:-}" != win64 ] || packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine64)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  export DEBIAN_FRONTEND=noninteractive
  # A mirror caught mid-sync fails one index or two; what the others list is usually enough.
  $sudo apt-get update -qq || echo "install-deps: apt-get update failed in part; installing from what it got" >&2
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  $sudo sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
