#pragma once

#include <cstddef>

#include "sound/mp3/band_tables.h"
#include "sound/mp3/bit_reader.h"
#include "sound/mp3/requantize.h"
#include "sound/mp3/side_info.h"

namespace mp3 {

// Decodes the big-values and count1 regions of one granule and channel, from the reader's position
// up to bit `part3End`, and requantises each line with its run's gain. Lines are in bitstream
// order. Returns the number of lines up to and including the last one decoded (the rest are zero).
int decodeSpectrum(const BitReader& bits, size_t part3End, const GranuleInfo& g, const BandTable& bands,
                   const GainRun* runs, float* xr);

}  // namespace mp3
