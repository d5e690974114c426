#!/usr/bin/env bash
# Writes the fuzz target's seed files into corpus/: a few frames each of every MPEG version and
# channel mode, free format, short blocks and tags, after the target's control byte (start
# position and chunk size). Run by hand; the outputs are committed.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sox -q -n -r 8000 -c 2 -b 16 "$work/tone.wav" synth 0.25 sine 300 sine 500 vol 0.5
sox -q -n -r 8000 -c 2 -b 16 "$work/clicks.wav" synth 0.25 square 20 pinknoise vol 0.5
seed() {
  local name=$1 control=$2 src=$3; shift 3
  lame --quiet --noreplaygain "$@" "$work/$src" "$work/$name.mp3"
  { printf "\\x$control"; cat "$work/$name.mp3"; } >"corpus/$name.mp3"
}
seed mpeg1-32k-joint 00 tone.wav   --resample 32 -b 32
seed mpeg1-32k-mono  5f clicks.wav --resample 32 -m m -b 40
seed mpeg1-free      80 tone.wav   --resample 32 --freeformat -b 40
seed mpeg2-16k-vbr   1f clicks.wav --resample 16 -V 5
seed mpeg2-24k-ms    c0 clicks.wav --resample 24 -m f -b 32
seed mpeg25-8k       41 tone.wav   -b 8
seed tagged          00 tone.wav   -b 8 --add-id3v2 --tt t --ta a
