#include "sound/mp3/requantize.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace mp3 {

namespace {

// Gains span 2^((0 - 210 - 8·7 - 4·(31 + 3)) / 4) to 2^((255 - 210) / 4).
constexpr int kLowestQuarterStep = -210 - 8 * 7 - 4 * (31 + 3);
constexpr int kHighestQuarterStep = 255 - 210;

// 2^(quarterSteps / 4).
float quarterPower(int quarterSteps) {
  static const auto table = [] {
    std::array<float, kHighestQuarterStep - kLowestQuarterStep + 1> t{};
    for (int e = kLowestQuarterStep; e <= kHighestQuarterStep; ++e)
      t[static_cast<size_t>(e - kLowestQuarterStep)] = static_cast<float>(std::exp2(e / 4.0));
    return t;
  }();
  const int e = std::clamp(quarterSteps, kLowestQuarterStep, kHighestQuarterStep);
  return table[static_cast<size_t>(e - kLowestQuarterStep)];
}

}  // namespace

const float* pow43Table() {
  static const auto table = [] {
    std::array<float, kMaxMagnitude + 1> t{};
    for (int i = 0; i <= kMaxMagnitude; ++i) t[static_cast<size_t>(i)] = static_cast<float>(std::pow(i, 4.0 / 3.0));
    return t;
  }();
  return table.data();
}

int buildGainRuns(const GranuleInfo& g, const ScaleFactors& sf, const BandTable& bands, GainRun* runs) {
  const int base = g.globalGain - 210;
  const int shift = g.scalefacScale ? 2 : 1;
  int count = 0;
  int sfb = 0;
  if (!g.shortBlocks() || g.mixedBlock) {
    const int end = g.shortBlocks() ? kMixedLongLines : 576;
    for (; sfb < 22 && bands.longStart[sfb] < end; ++sfb) {
      const int scale = sf.longBand[sfb] + (g.preflag ? kPretab[sfb] : 0);
      runs[count++] = {bands.longStart[sfb + 1], quarterPower(base - (scale << shift))};
    }
    if (!g.shortBlocks()) return count;
    runs[count - 1].end = kMixedLongLines;
    sfb = 3;
  }
  for (; sfb < 13; ++sfb) {
    const int start = bands.shortStart[sfb] * 3;
    const int width = bands.shortStart[sfb + 1] - bands.shortStart[sfb];
    for (int w = 0; w < 3; ++w) {
      const int e = base - 8 * g.subblockGain[w] - (sf.shortBand[sfb][w] << shift);
      runs[count++] = {start + (w + 1) * width, quarterPower(e)};
    }
  }
  return count;
}

}  // namespace mp3
