#include "sound/mp3/imdct.h"

#include <array>
#include <cmath>

namespace mp3 {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Tables {
  std::array<std::array<float, 18>, 18> dct4{};   // cos(π/72 (2j+1)(2k+1))
  std::array<std::array<float, 36>, 4> window{};  // by block type (2: unused here)
  std::array<std::array<float, 6>, 12> shortCos{};  // cos(π/24 (2i+7)(2k+1))
  std::array<float, 12> shortWindow{};
};

const Tables& tables() {
  static const Tables t = [] {
    Tables r;
    for (int j = 0; j < 18; ++j)
      for (int k = 0; k < 18; ++k)
        r.dct4[static_cast<size_t>(j)][static_cast<size_t>(k)] =
            static_cast<float>(std::cos(kPi / 72 * (2 * j + 1) * (2 * k + 1)));
    for (int i = 0; i < 36; ++i) {
      const float normal = static_cast<float>(std::sin(kPi / 36 * (i + 0.5)));
      const auto at = static_cast<size_t>(i);
      r.window[0][at] = normal;
      // Start block: normal rising half, flat, the short window's falling half, zeros.
      r.window[1][at] = i < 18 ? normal
                        : i < 24 ? 1.0f
                        : i < 30 ? static_cast<float>(std::sin(kPi / 12 * (i - 18 + 0.5)))
                                 : 0.0f;
      // Stop block: the mirror image.
      r.window[3][at] = i < 6 ? 0.0f
                        : i < 12 ? static_cast<float>(std::sin(kPi / 12 * (i - 6 + 0.5)))
                        : i < 18 ? 1.0f
                                 : normal;
    }
    for (int i = 0; i < 12; ++i) {
      r.shortWindow[static_cast<size_t>(i)] = static_cast<float>(std::sin(kPi / 12 * (i + 0.5)));
      for (int k = 0; k < 6; ++k)
        r.shortCos[static_cast<size_t>(i)][static_cast<size_t>(k)] =
            static_cast<float>(std::cos(kPi / 24 * (2 * i + 7) * (2 * k + 1)));
    }
    return r;
  }();
  return t;
}

// 36 windowed outputs of one long block subband. The 36-point IMDCT is an 18-point DCT-IV y
// unfolded: x[i] = y[i+9] (i < 9), -y[26-i] (i < 27), -y[i-27].
void longBlock(const Tables& t, const float* in, const float* window, float* z) {
  float y[18];
  for (int j = 0; j < 18; ++j) {
    const float* c = t.dct4[static_cast<size_t>(j)].data();
    float sum = 0.0f;
    for (int k = 0; k < 18; ++k) sum += in[k] * c[k];
    y[j] = sum;
  }
  for (int i = 0; i < 9; ++i) z[i] = y[i + 9] * window[i];
  for (int i = 9; i < 27; ++i) z[i] = -y[26 - i] * window[i];
  for (int i = 27; i < 36; ++i) z[i] = -y[i - 27] * window[i];
}

// Three 12-point IMDCTs, windowed and overlapped at 6, 12 and 18 within the 36 outputs.
void shortBlock(const Tables& t, const float* in, float* z) {
  for (int i = 0; i < 36; ++i) z[i] = 0.0f;
  for (int w = 0; w < 3; ++w) {
    for (int i = 0; i < 12; ++i) {
      const float* c = t.shortCos[static_cast<size_t>(i)].data();
      float sum = 0.0f;
      for (int k = 0; k < 6; ++k) sum += in[3 * k + w] * c[k];
      z[6 + 6 * w + i] += sum * t.shortWindow[static_cast<size_t>(i)];
    }
  }
}

}  // namespace

void inverseMdct(const float* xr, int blockType, bool mixed, int subbands, float* overlap, float* out) {
  const Tables& t = tables();
  float z[36];
  for (int sb = 0; sb < 32; ++sb) {
    float* saved = overlap + 18 * sb;
    const float sign = (sb & 1) ? -1.0f : 1.0f;
    if (sb >= subbands) {
      for (int i = 0; i < 18; ++i) {
        out[i * 32 + sb] = (i & 1) ? saved[i] * sign : saved[i];
        saved[i] = 0.0f;
      }
      continue;
    }
    const bool shortHere = blockType == 2 && !(mixed && sb < 2);
    if (shortHere)
      shortBlock(t, xr + 18 * sb, z);
    else
      longBlock(t, xr + 18 * sb, t.window[static_cast<size_t>(blockType == 2 ? 0 : blockType)].data(), z);
    for (int i = 0; i < 18; ++i) {
      const float v = z[i] + saved[i];
      out[i * 32 + sb] = (i & 1) ? v * sign : v;
      saved[i] = z[i + 18];
    }
  }
}

}  // namespace mp3
