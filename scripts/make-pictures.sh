#!/usr/bin/env bash
# Remakes the window pictures, icons and cursor in assets/pictures/ and checks them. Needs
# ImageMagick and fonts-wqy-microhei. The build uses the committed files, never this script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
python3 "$root/scripts/pictures/make.py" "$root/assets/pictures"
python3 "$root/scripts/pictures/check.py" "$root/assets/pictures"
