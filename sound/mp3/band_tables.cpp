#include "sound/mp3/band_tables.h"

namespace mp3 {

namespace {

using Long = int16_t[23];
using Short = int16_t[14];

constexpr Long kLong44 = {0,  4,  8,   12,  16,  20,  24,  30,  36,  44,  52, 62,
                          74, 90, 110, 134, 162, 196, 238, 288, 342, 418, 576};
constexpr Long kLong48 = {0,  4,  8,   12,  16,  20,  24,  30,  36,  42,  50, 60,
                          72, 88, 106, 128, 156, 190, 230, 276, 330, 384, 576};
constexpr Long kLong32 = {0,  4,   8,   12,  16,  20,  24,  30,  36,  44,  54, 66,
                          82, 102, 126, 156, 194, 240, 296, 364, 448, 550, 576};
// 22.05 and 16 kHz, and 11.025 and 12 kHz of MPEG-2.5.
constexpr Long kLongLsf = {0,   6,   12,  18,  24,  30,  36,  44,  54,  66,  80, 96,
                           116, 140, 168, 200, 238, 284, 336, 396, 464, 522, 576};
constexpr Long kLong24 = {0,   6,   12,  18,  24,  30,  36,  44,  54,  66,  80, 96,
                          114, 136, 162, 194, 232, 278, 332, 394, 464, 540, 576};
constexpr Long kLong8 = {0,   12,  24,  36,  48,  60,  72,  88,  108, 132, 160, 192,
                         232, 280, 336, 400, 476, 566, 568, 570, 572, 574, 576};

constexpr Short kShort44 = {0, 4, 8, 12, 16, 22, 30, 40, 52, 66, 84, 106, 136, 192};
constexpr Short kShort48 = {0, 4, 8, 12, 16, 22, 28, 38, 50, 64, 80, 100, 126, 192};
constexpr Short kShort32 = {0, 4, 8, 12, 16, 22, 30, 42, 58, 78, 104, 138, 180, 192};
constexpr Short kShort22 = {0, 4, 8, 12, 18, 24, 32, 42, 56, 74, 100, 132, 174, 192};
constexpr Short kShort24 = {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 136, 180, 192};
// 16 kHz, and 11.025 and 12 kHz of MPEG-2.5.
constexpr Short kShortLsf = {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 134, 174, 192};
constexpr Short kShort8 = {0, 8, 16, 24, 36, 52, 72, 96, 124, 160, 162, 164, 166, 192};

constexpr BandTable make(const Long& longStart, const Short& shortStart) {
  BandTable t{};
  for (int i = 0; i < 23; ++i) t.longStart[i] = longStart[i];
  for (int i = 0; i < 14; ++i) t.shortStart[i] = shortStart[i];
  return t;
}

constexpr BandTable kTables[9] = {
    make(kLong44, kShort44),   make(kLong48, kShort48),   make(kLong32, kShort32),
    make(kLongLsf, kShort22),  make(kLong24, kShort24),   make(kLongLsf, kShortLsf),
    make(kLongLsf, kShortLsf), make(kLongLsf, kShortLsf), make(kLong8, kShort8),
};

}  // namespace

const BandTable& bandTable(int rateTableIndex) { return kTables[rateTableIndex]; }

const uint8_t kPretab[22] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 3, 3, 3, 2, 0};

}  // namespace mp3
