#!/usr/bin/env bash
# Fetches the Debian packages whose sounds the built-in effects are made from, and unpacks them
# (never installs them) below the given folder:
#   scripts/fetch-effect-sources.sh <folder>    → <folder>/debs/*.deb, <folder>/root/usr/share/...
# Packages already fetched are kept. make_effects checks each file's licence before using it.
set -euo pipefail
mkdir -p "$1"
dest=$(cd "$1" && pwd)
packages=(fluidr3mono-gm-soundfont fluid-soundfont-gs sonic-pi-samples freedoom gcin-voice)

mkdir -p "$dest/debs"
cd "$dest/debs"
missing=()
for p in "${packages[@]}"; do
  compgen -G "${p}_*.deb" >/dev/null || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if ! apt-get download -q -o APT::Sandbox::User=root "${missing[@]}" >/dev/null 2>download.log; then
    # A machine whose package lists are missing or stale: read them again once.
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    apt-get download -q -o APT::Sandbox::User=root "${missing[@]}" >/dev/null
  fi
fi
rm -rf "$dest/root.new"
mkdir -p "$dest/root.new"
for p in "${packages[@]}"; do dpkg-deb -x "$(compgen -G "${p}_*.deb" | sort | tail -1)" "$dest/root.new"; done
rm -rf "$dest/root"
mv "$dest/root.new" "$dest/root"
ls "$dest/debs"/*.deb >"$dest/unpacked.stamp"
