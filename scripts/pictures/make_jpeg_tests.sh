#!/usr/bin/env bash
# Draws the small JPEGs that the JPEG decoder's tests read (tests/unit/ui/jpeg/) and writes what
# libjpeg decodes from them and from the window pictures (references.txt). Needs ImageMagick and
# libjpeg-turbo-progs (cjpeg, djpeg). The tests use the committed files, never this script.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/tests/unit/ui/jpeg
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

# 37 × 23, so that neither side is a whole number of blocks or MCUs; smooth colour with hard edges.
convert -seed 7 -size 37x23 plasma:red-blue -fill white -draw "rectangle 5,4 13,15" \
  -fill black -draw "line 20,0 36,22" "$tmp/colour.ppm"
convert -seed 3 -size 3x5 plasma:green-yellow "$tmp/narrow.ppm"

# Decoded by the portable decoder.
convert "$tmp/colour.ppm" -colorspace Gray -quality 90 "$out/grey.jpg"
cjpeg -quality 90 -sample 1x1 "$tmp/colour.ppm" >"$out/444.jpg"
convert "$tmp/colour.ppm" -quality 85 -sampling-factor 2x2 "$out/420.jpg"
cjpeg -quality 90 -sample 2x1 -optimize "$tmp/colour.ppm" >"$out/422.jpg"
cjpeg -quality 90 -sample 1x2 "$tmp/colour.ppm" >"$out/440.jpg"
# A restart after every MCU: fourteen markers in the 4:4:4 one, so their numbers wrap round.
cjpeg -quality 90 -sample 2x2 -restart 1B "$tmp/colour.ppm" >"$out/420-restarts.jpg"
cjpeg -quality 90 -sample 1x1 -restart 1B "$tmp/colour.ppm" >"$out/444-restarts.jpg"
printf '0;\n1;\n2;\n' >"$tmp/scans.txt"
cjpeg -quality 90 -sample 2x2 -scans "$tmp/scans.txt" "$tmp/colour.ppm" >"$out/420-scan-per-component.jpg"
# Quantisation steps above 255 need 16-bit tables and an extended (SOF1) frame.
cjpeg -quality 2 "$tmp/colour.ppm" >"$out/16-bit-tables.jpg"
cjpeg -quality 90 -sample 2x2 "$tmp/narrow.ppm" >"$out/420-narrow.jpg"

# Left to the system's decoder.
convert "$tmp/colour.ppm" -quality 90 -interlace JPEG "$out/progressive.jpg"
cjpeg -quality 90 -arithmetic "$tmp/colour.ppm" >"$out/arithmetic.jpg"
cjpeg -quality 90 -rgb "$tmp/colour.ppm" >"$out/rgb.jpg"
convert "$tmp/colour.ppm" -colorspace CMYK -quality 90 "$out/cmyk.jpg"

# One line per decodable file: its path from the tree's root, its size and the FNV-1a hash of
# its pixels as red, green, blue bytes, top row first.
python3 - "$root" "$out/references.txt" <<'PY'
import pathlib, subprocess, sys
root = pathlib.Path(sys.argv[1])
files = sorted((root / "assets/pictures").glob("*.jpg")) + [
    root / "tests/unit/ui/jpeg" / n for n in ("grey.jpg", "444.jpg", "420.jpg", "422.jpg", "440.jpg",
    "420-restarts.jpg", "444-restarts.jpg", "420-scan-per-component.jpg", "16-bit-tables.jpg", "420-narrow.jpg")]
lines = []
for f in files:
    pnm = subprocess.run(["djpeg", "-dct", "int", "-pnm", str(f)], check=True, capture_output=True).stdout
    kind, width, height, _, pixels = pnm.split(maxsplit=4)
    if kind == b"P5":
        pixels = bytes(b for v in pixels for b in (v, v, v))
    h = 0xcbf29ce484222325
    for b in pixels:
        h = ((h ^ b) * 0x100000001b3) & 0xFFFFFFFFFFFFFFFF
    lines.append(f"{f.relative_to(root)} {int(width)} {int(height)} {h:016x}\n")
pathlib.Path(sys.argv[2]).write_text("".join(lines), encoding="utf-8")
PY
