#pragma once
// Float sound → PCM sample bytes, and the level figures the build reports for each effect.
#include <cstddef>

#include "sound/effects/tools/signal.h"
#include "sound/effects/tools/wav_image.h"

// Exactly `frames` frames of 8-bit unsigned or 16-bit signed little-endian PCM; mono takes the
// mean of both channels. Samples are rounded and held inside the sample range.
Bytes encodePcm(const Stereo& s, int channels, int bits, std::size_t frames);

struct Levels {
  double peakDb = -200;         // dBFS of the largest sample
  double rmsDb = -200;          // dBFS over the whole sound
  double silentShare = 0;       // share of 20 ms windows below -50 dBFS
  std::size_t clippedRuns = 0;  // runs of 3 or more samples at full scale
};

// Levels of PCM sample bytes (any channel count; 8 or 16 bits).
Levels measurePcm(const Bytes& data, int channels, int bits, int rate);
