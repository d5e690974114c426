#pragma once

#include <cstdint>

#include "sound/mp3/bit_reader.h"
#include "sound/mp3/side_info.h"

namespace mp3 {

// Scale factors of one granule and channel. For the right channel of MPEG-2 intensity stereo,
// `*Limit` hold the value that marks a band as not intensity-coded (2^slen - 1).
struct ScaleFactors {
  uint8_t longBand[22] = {};
  uint8_t shortBand[13][3] = {};
  uint8_t longLimit[22] = {};
  uint8_t shortLimit[13] = {};
  bool intensityScale = false;  // MPEG-2 intensity: ratio step 2^-1/2 instead of 2^-1/4
};

// MPEG-1: `sf` still holds granule 0's values when granule 1 shares groups through scfsi.
void readScaleFactorsMpeg1(BitReader& bits, const GranuleInfo& g, const bool scfsi[4], int granule, ScaleFactors& sf);

// MPEG-2/2.5. Sets g.preflag from scalefac_compress as those versions do.
void readScaleFactorsLsf(BitReader& bits, GranuleInfo& g, bool intensityRightChannel, ScaleFactors& sf);

}  // namespace mp3
