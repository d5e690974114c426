#pragma once
// The Debian programs the build borrows: espeak-ng for spoken words, lame for the one MPEG Layer-3
// effect, fluidsynth to play the scores through the soundfont, sox to read recordings and change
// their rate. All run with fixed arguments, so their output is the same on every build.
#include <string>
#include <vector>

#include "sound/effects/tools/wav_image.h"

struct ExternalTools {
  std::string espeak;      // path of espeak-ng
  std::string lame;        // path of lame
  std::string fluidsynth;  // path of fluidsynth
  std::string sox;         // path of sox
  std::string workDir;     // where intermediate files go
  std::string midiDir;     // the scores' MIDI files
  std::string sourceRoot;  // the unpacked source packages: usr/share/... below it
};

struct SpeechRequest {
  const char8_t* text;  // UTF-8, whatever the build's character set
  const char* voice;    // espeak-ng voice, e.g. "cmn", "yue", "en+m3"
  int wordsPerMinute;
  int pitch;  // 0…99
};

// Leading and trailing samples quieter than -48 dBFS removed.
void trimSilence(std::vector<float>& samples);

// The spoken text as mono samples at `rate`, leading and trailing silence removed.
std::vector<float> speak(const ExternalTools& tools, const SpeechRequest& request, int rate);

// MPEG-2 Layer III, mono 24 kHz, 32 kbit/s CBR, no Xing/LAME frame and no tag: a bare stream of
// 96-byte frames. `samples` must be mono at 24 kHz. Exactly `frames` frames are returned.
Bytes encodeLayer3(const ExternalTools& tools, const std::vector<float>& samples, int frames);

// WAV bytes → mono float samples of their "data" chunk (16-bit PCM only), and their rate.
std::vector<float> decodePcm16(const Bytes& wav, int& rate);
