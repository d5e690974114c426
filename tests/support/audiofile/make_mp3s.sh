#!/usr/bin/env bash
# Makes the audio-file player's test mp3s in $1 with sox and lame: a short stereo jingle (CBR), and
# a VBR file of three seconds of silence then one of noise, whose bytes lie almost all in its last
# quarter, so a start through its table of contents and one in proportion to its bytes differ.
set -euo pipefail
out=$1
mkdir -p "$out"
cd "$out"
sox -q -n -r 44100 -c 2 -b 16 jingle.wav synth 1.5 sine 523 sine 784 fade 0 1.5 0.3 vol 0.5
sox -q -n -r 44100 -c 1 -b 16 silence.wav trim 0 3
sox -q -n -r 44100 -c 1 -b 16 noise.wav synth 1 whitenoise vol 0.5
sox -q silence.wav noise.wav silence-then-noise.wav
lame --quiet --noreplaygain -b 128 jingle.wav jingle.mp3
lame --quiet --noreplaygain -V 2 silence-then-noise.wav silence-then-noise.mp3
rm -f ./*.wav
