#pragma once

namespace mp3 {

// Inverse MDCT, windowing and overlap-add of one granule and channel: 32 subbands of 18 lines
// (short blocks already reordered) become 18 time slots of 32 subband samples, out[18 * 32], with
// odd subbands' odd slots negated (frequency inversion). `overlap` (576 floats) carries each
// subband's second half to the next granule. Subbands from `subbands` on are silent.
void inverseMdct(const float* xr, int blockType, bool mixed, int subbands, float* overlap, float* out);

}  // namespace mp3
