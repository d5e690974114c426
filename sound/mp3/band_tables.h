#pragma once

#include <cstdint>

namespace mp3 {

// Scale factor band boundaries in frequency lines, for the nine sample rates (see
// FrameHeader::rateTableIndex): 22 long bands, 13 short bands (per window).
struct BandTable {
  int16_t longStart[23];
  int16_t shortStart[14];
};

const BandTable& bandTable(int rateTableIndex);

// Added to long-block scale factors when preflag is set.
extern const uint8_t kPretab[22];

}  // namespace mp3
