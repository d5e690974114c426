#include "sound/mp3/scale_factors.h"

namespace mp3 {

namespace {

constexpr uint8_t kSlen[2][16] = {{0, 0, 0, 0, 3, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4},
                                  {0, 1, 2, 3, 0, 1, 2, 3, 1, 2, 3, 1, 2, 3, 2, 3}};

// Scale factors per slen group: [table][long, short, mixed][group].
constexpr uint8_t kLsfBandCounts[6][3][4] = {
    {{6, 5, 5, 5}, {9, 9, 9, 9}, {6, 9, 9, 9}},       {{6, 5, 7, 3}, {9, 9, 12, 6}, {6, 9, 12, 6}},
    {{11, 10, 0, 0}, {18, 18, 0, 0}, {15, 18, 0, 0}}, {{7, 7, 7, 0}, {12, 12, 12, 0}, {6, 15, 12, 0}},
    {{6, 6, 6, 3}, {12, 9, 9, 6}, {6, 12, 9, 6}},     {{8, 8, 5, 0}, {15, 12, 9, 0}, {6, 18, 9, 0}},
};

}  // namespace

void readScaleFactorsMpeg1(BitReader& bits, const GranuleInfo& g, const bool scfsi[4], int granule, ScaleFactors& sf) {
  const int slen1 = kSlen[0][g.scalefacCompress];
  const int slen2 = kSlen[1][g.scalefacCompress];
  if (g.shortBlocks()) {
    int sfb = 0;
    if (g.mixedBlock) {
      for (; sfb < 8; ++sfb) sf.longBand[sfb] = static_cast<uint8_t>(bits.read(slen1));
      sfb = 3;
    }
    for (; sfb < 12; ++sfb) {
      const int slen = sfb < 6 ? slen1 : slen2;
      for (int w = 0; w < 3; ++w) sf.shortBand[sfb][w] = static_cast<uint8_t>(bits.read(slen));
    }
    for (int w = 0; w < 3; ++w) sf.shortBand[12][w] = 0;
    return;
  }
  static constexpr int kGroupStart[5] = {0, 6, 11, 16, 21};
  for (int group = 0; group < 4; ++group) {
    if (granule == 1 && scfsi[group]) continue;
    const int slen = group < 2 ? slen1 : slen2;
    for (int sfb = kGroupStart[group]; sfb < kGroupStart[group + 1]; ++sfb)
      sf.longBand[sfb] = static_cast<uint8_t>(bits.read(slen));
  }
  sf.longBand[21] = 0;
}

void readScaleFactorsLsf(BitReader& bits, GranuleInfo& g, bool intensityRightChannel, ScaleFactors& sf) {
  sf = ScaleFactors{};  // bands not coded carry zero scale factors
  int slen[4] = {};
  int table = 0;
  int c = g.scalefacCompress;
  g.preflag = false;
  if (intensityRightChannel) {
    sf.intensityScale = (c & 1) != 0;
    c >>= 1;
    if (c < 180) {
      slen[0] = c / 36, slen[1] = (c % 36) / 6, slen[2] = c % 6, table = 3;
    } else if (c < 244) {
      c -= 180;
      slen[0] = (c % 64) >> 4, slen[1] = (c % 16) >> 2, slen[2] = c % 4, table = 4;
    } else {
      c -= 244;
      slen[0] = c / 3, slen[1] = c % 3, table = 5;
    }
  } else if (c < 400) {
    slen[0] = (c >> 4) / 5, slen[1] = (c >> 4) % 5, slen[2] = (c & 15) >> 2, slen[3] = c & 3;
  } else if (c < 500) {
    c -= 400;
    slen[0] = (c >> 2) / 5, slen[1] = (c >> 2) % 5, slen[2] = c & 3, table = 1;
  } else {
    c -= 500;
    slen[0] = c / 3, slen[1] = c % 3, table = 2;
    g.preflag = true;
  }

  const int kind = g.shortBlocks() ? (g.mixedBlock ? 2 : 1) : 0;
  // Read the scale factors in bitstream order, then place them by band (and window).
  int index = 0;
  const int longCount = kind == 0 ? 21 : (kind == 2 ? 6 : 0);
  for (int group = 0; group < 4; ++group) {
    const int n = kLsfBandCounts[table][kind][group];
    const int limit = (1 << slen[group]) - 1;
    for (int i = 0; i < n; ++i, ++index) {
      const uint8_t value = static_cast<uint8_t>(bits.read(slen[group]));
      if (index < longCount) {
        sf.longBand[index] = value;
        sf.longLimit[index] = static_cast<uint8_t>(limit);
      } else {
        const int s = index - longCount;
        const int sfb = (kind == 2 ? 3 : 0) + s / 3;
        if (sfb < 13) {
          sf.shortBand[sfb][s % 3] = value;
          sf.shortLimit[sfb] = static_cast<uint8_t>(limit);
        }
      }
    }
  }
}

}  // namespace mp3
