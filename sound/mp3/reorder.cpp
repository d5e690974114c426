#include "sound/mp3/reorder.h"

#include <cstring>

namespace mp3 {

void reorderShortBlocks(const BandTable& bands, bool mixed, float* xr, float* scratch) {
  const int firstBand = mixed ? 3 : 0;
  for (int sfb = firstBand; sfb < 13; ++sfb) {
    const int start = bands.shortStart[sfb];
    const int width = bands.shortStart[sfb + 1] - start;
    const float* source = xr + start * 3;
    for (int w = 0; w < 3; ++w)
      for (int j = 0; j < width; ++j) scratch[3 * (start + j) + w] = source[w * width + j];
  }
  const int from = mixed ? bands.shortStart[3] * 3 : 0;
  std::memcpy(xr + from, scratch + from, sizeof(float) * static_cast<size_t>(576 - from));
}

}  // namespace mp3
