#!/usr/bin/env bash
# Makes the mp3 test corpus in $1 with sox and lame: a few seconds of tones, plucked strings and
# clicks (which force short blocks), encoded for every MPEG version, channel mode and bitrate kind.
set -euo pipefail
out=$1
mkdir -p "$out"
cd "$out"
rm -f ./*.mp3

sox -q -n -r 44100 -c 2 -b 16 music.wav synth 2.5 pluck C3 pluck E4 fade 0 2.5 0.4 vol 0.8
sox -q -n -r 44100 -c 2 -b 16 clicks.wav synth 2 square 5 pinknoise vol 0.6
sox -q -n -r 44100 -c 1 -b 16 tone.wav synth 2 sine 440:880 vol 0.7

enc() { local name=$1 src=$2; shift 2; lame --quiet --noreplaygain "$@" "$src" "$name.mp3"; }
enc mpeg1-44k-stereo-cbr128   music.wav  -m s -b 128
enc mpeg1-44k-joint-ms-cbr128 music.wav  -m f -b 128
enc mpeg1-44k-joint-vbr       music.wav  -V 2
enc mpeg1-44k-clicks-cbr320   clicks.wav -b 320
enc mpeg1-48k-clicks-vbr      clicks.wav --resample 48 -V 0
enc mpeg1-32k-mono-cbr32      tone.wav   --resample 32 -b 32
enc mpeg1-44k-free-640        music.wav  --freeformat -b 640
enc mpeg1-crc-cbr96           music.wav  -p -b 96
enc mpeg2-22k-joint-cbr64     music.wav  --resample 22.05 -b 64
enc mpeg2-24k-clicks-stereo96 clicks.wav --resample 24 -m s -b 96
enc mpeg2-16k-mono-vbr        tone.wav   --resample 16 -V 6
enc mpeg25-11k-clicks-vbr     clicks.wav --resample 11.025 -V 5
enc mpeg25-12k-stereo-cbr32   music.wav  --resample 12 -m s -b 32
enc mpeg25-8k-mono-cbr8       tone.wav   --resample 8 -b 8
enc tagged-id3v2-id3v1        music.wav  -b 112 --add-id3v2 --pad-id3v2 --tt "Jingle" --ta "Host" --tl "Show"
# Junk before the first frame, with false syncs in it.
printf 'junk\xff\xfb\x90\x00\xff\xe0 not a frame \xff\xff\xff' | cat - mpeg1-44k-stereo-cbr128.mp3 >junk-before-first-frame.mp3
# Without the bit reservoir and the Info frame every frame stands alone, so parts can be joined
# into streams that switch between stereo and mono. Named .mpa, they stay out of the benchmark.
rm -f ./*.mpa
lame --quiet --noreplaygain --nores -t -m s -b 128 music.wav part-stereo.mpa
lame --quiet --noreplaygain --nores -t -m m -b 128 music.wav part-mono.mpa
cat part-stereo.mpa part-mono.mpa part-stereo.mpa >switching-stereo-mono.mpa
cat part-mono.mpa part-stereo.mpa >switching-mono-stereo.mpa
rm -f music.wav clicks.wav tone.wav
