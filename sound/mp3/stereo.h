#pragma once

#include "sound/mp3/band_tables.h"
#include "sound/mp3/frame_header.h"
#include "sound/mp3/requantize.h"
#include "sound/mp3/scale_factors.h"
#include "sound/mp3/side_info.h"

namespace mp3 {

// Joint stereo of one granule: mid/side and intensity stereo on both channels' lines (bitstream
// order). `rightScaleFactors` carry the intensity positions. `nonzero[ch]` bound each channel's
// non-zero lines; both are updated to the new bound.
void processJointStereo(const FrameHeader& header, const GranuleInfo& g, const ScaleFactors& rightScaleFactors,
                        const BandTable& bands, float* left, float* right, int nonzero[2]);

}  // namespace mp3
