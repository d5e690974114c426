#pragma once

#include "sound/mp3/band_tables.h"
#include "sound/mp3/scale_factors.h"
#include "sound/mp3/side_info.h"

namespace mp3 {

// A run of spectral lines in bitstream order that share one requantisation gain: a long scale
// factor band, or one window of a short band.
struct GainRun {
  int end;  // line after the run
  float gain;
};

// At most 22 long runs, or 8 long + 10 × 3 short runs, or 13 × 3 short runs.
constexpr int kMaxGainRuns = 40;

// |value|^(4/3) for the magnitudes Huffman decoding can produce (0..kMaxMagnitude).
constexpr int kMaxMagnitude = 15 + 8191;
const float* pow43Table();

// The gain of each run: 2^((global_gain - 210 - 8·subblock_gain)/4) · 2^-(scale factor step · sf).
// Returns the number of runs; they cover all 576 lines.
int buildGainRuns(const GranuleInfo& g, const ScaleFactors& sf, const BandTable& bands, GainRun* runs);

// Where the long bands of a mixed block end and the short bands (from band 3) begin.
constexpr int kMixedLongLines = 36;

}  // namespace mp3
