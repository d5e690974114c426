#!/usr/bin/env bash
# Renders the 64 built-in effects again, as WAV files, and draws a spectrogram of each for a person
# to look at, plus one contact sheet of them all:
#   scripts/draw-effects.sh [output folder, default build/host/effect-spectrograms]
# The host tree must be configured (scripts/build.sh does it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/host/effect-spectrograms}
effects=$root/build/host/sound/effects
cmake --build "$root/build/host" --target make_effects "$effects/sources/unpacked.stamp" >/dev/null
mkdir -p "$out/wav"
"$effects/tools/make_effects" "$out/wav/images.bin" --work "$out/wav" --midi "$root/sound/effects/midi" \
  --sources "$effects/sources/root" --espeak "$(command -v espeak-ng)" --lame "$(command -v lame)" \
  --fluidsynth "$(command -v fluidsynth)" --sox "$(command -v sox)" --wavs "$out/wav" | tee "$out/levels.txt"
for wav in "$out"/wav/FX-??.wav; do
  name=$(basename "$wav" .wav)
  if [ "$name" = FX-49 ]; then
    # MPEG Layer-3 in a WAV: its 81 frames start after the 30-byte format chunk; decode them.
    tail -c +59 "$wav" | head -c 7776 >"$out/wav/FX-49.mp3"
    lame --quiet --decode "$out/wav/FX-49.mp3" "$out/wav/FX-49-decoded.wav"
    wav=$out/wav/FX-49-decoded.wav
  fi
  sox "$wav" -n remix - spectrogram -x 800 -Y 300 -z 90 -t "$name" -o "$out/$name.png"
done
montage "$out"/FX-??.png -tile 4x -geometry 400x150+2+2 "$out/all.png"
echo "spectrograms in $out (all.png shows the 64 together)"
