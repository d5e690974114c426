#include "sound/mp3/imdct.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace mp3 {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Tables {
  std::array<float, 9> cos18{};     // cos(π k / 18)
  std::array<float, 9> oddScale{};  // 1 / (2 cos(π (2j+1) / 36))
  // By block type (2: unused here), each value divided by 2 cos(π (2j+1) / 72) for the y[j] it
  // multiplies, which completes the DCT-IV.
  std::array<std::array<float, 36>, 4> window{};
  std::array<std::array<float, 6>, 6> shortCos{};  // cos(π/24 (2j+1)(2k+1)): a 6-point DCT-IV
  std::array<float, 12> shortWindow{};             // with the signs of the unfolding
};

// Which y[j] of the DCT-IV output x[i] of the 36-point IMDCT takes, and with which sign:
// x[i] = y[i+9] (i < 9), -y[26-i] (i < 27), -y[i-27].
constexpr int unfoldIndex(int i) { return i < 9 ? i + 9 : i < 27 ? 26 - i : i - 27; }

const Tables& tables() {
  static const Tables t = [] {
    Tables r;
    for (int k = 0; k < 9; ++k) r.cos18[static_cast<size_t>(k)] = static_cast<float>(std::cos(kPi * k / 18));
    for (int j = 0; j < 9; ++j)
      r.oddScale[static_cast<size_t>(j)] = static_cast<float>(1.0 / (2.0 * std::cos(kPi * (2 * j + 1) / 36)));
    for (int i = 0; i < 36; ++i) {
      const double normal = std::sin(kPi / 36 * (i + 0.5));
      // Start block: normal rising half, flat, the short window's falling half, zeros.
      const double start = i < 18 ? normal : i < 24 ? 1.0 : i < 30 ? std::sin(kPi / 12 * (i - 18 + 0.5)) : 0.0;
      // Stop block: the mirror image.
      const double stop = i < 6 ? 0.0 : i < 12 ? std::sin(kPi / 12 * (i - 6 + 0.5)) : i < 18 ? 1.0 : normal;
      const int j = unfoldIndex(i);
      const double scale = (i < 9 ? 1.0 : -1.0) / (2.0 * std::cos(kPi * (2 * j + 1) / 72));
      const auto at = static_cast<size_t>(i);
      r.window[0][at] = static_cast<float>(normal * scale);
      r.window[1][at] = static_cast<float>(start * scale);
      r.window[3][at] = static_cast<float>(stop * scale);
    }
    for (int i = 0; i < 12; ++i)
      r.shortWindow[static_cast<size_t>(i)] = static_cast<float>((i < 3 ? 1 : -1) * std::sin(kPi / 12 * (i + 0.5)));
    for (int j = 0; j < 6; ++j)
      for (int k = 0; k < 6; ++k)
        r.shortCos[static_cast<size_t>(j)][static_cast<size_t>(k)] =
            static_cast<float>(std::cos(kPi / 24 * (2 * j + 1) * (2 * k + 1)));
    return r;
  }();
  return t;
}

// out[j] = Σ v[m] cos(π m (2j+1) / 18), j = 0..8. Outputs j and 8-j share the cosines up to the
// sign of the odd terms, and the angles fold onto nine cosines, several of them ±1/2, 0 or ±1.
void dct3Of9(const Tables& t, const float* v, float* out) {
  const float c1 = t.cos18[1], c2 = t.cos18[2], c3 = t.cos18[3], c4 = t.cos18[4], c5 = t.cos18[5];
  const float c7 = t.cos18[7], c8 = t.cos18[8];
  const float base = v[0] + 0.5f * v[6];
  const float even0 = base + v[2] * c2 + v[4] * c4 + v[8] * c8;
  const float even1 = v[0] - v[6] + 0.5f * (v[2] - v[4] - v[8]);
  const float even2 = base - v[2] * c8 - v[4] * c2 + v[8] * c4;
  const float even3 = base - v[2] * c4 + v[4] * c8 - v[8] * c2;
  const float third = v[3] * c3;
  const float odd0 = v[1] * c1 + third + v[5] * c5 + v[7] * c7;
  const float odd1 = (v[1] - v[5] - v[7]) * c3;
  const float odd2 = v[1] * c5 - third - v[5] * c7 + v[7] * c1;
  const float odd3 = v[1] * c7 - third + v[5] * c1 - v[7] * c5;
  out[0] = even0 + odd0;
  out[8] = even0 - odd0;
  out[1] = even1 + odd1;
  out[7] = even1 - odd1;
  out[2] = even2 + odd2;
  out[6] = even2 - odd2;
  out[3] = even3 + odd3;
  out[5] = even3 - odd3;
  out[4] = v[0] - v[2] + v[4] - v[6] + v[8];  // its odd terms are all cos(π/2 × odd): zero
}

// One long block subband: its 36 windowed outputs, the first 18 added to `saved` into `result`,
// the last 18 kept in `saved` for the next granule. The 36-point IMDCT is an 18-point DCT-IV
// y[j] = Σ X[k] cos(π (2j+1)(2k+1) / 72), unfolded. With u[k] = X[k] + X[k-1] the DCT-IV becomes
// a DCT-III (then divided by 2 cos(π (2j+1) / 72), done by the window), whose even inputs form a
// 9-point DCT-III and whose odd inputs a 9-point DCT-IV, reduced the same way.
void longBlock(const Tables& t, const float* in, const float* window, float* saved, float* result) {
  float even[9], odd[9];
  even[0] = in[0];
  odd[0] = in[1] + in[0];
  for (int m = 1; m < 9; ++m) {
    even[m] = in[2 * m] + in[2 * m - 1];
    // (u[2m+1] + u[2m-1]) with u[k] = X[k] + X[k-1]
    odd[m] = in[2 * m + 1] + in[2 * m] + in[2 * m - 1] + in[2 * m - 2];
  }
  float e[9], o[9];
  dct3Of9(t, even, e);
  dct3Of9(t, odd, o);
  // y[j] = e[j] + scaled odd, y[17 - j] = e[j] - scaled odd. The window carries the unfolding's
  // signs: x[i] takes y[i+9] (i < 9), y[26-i] (i < 27), y[i-27].
  float sum[9], difference[9];
  for (int j = 0; j < 9; ++j) {
    const float scaled = o[j] * t.oddScale[static_cast<size_t>(j)];
    sum[j] = e[j] + scaled;
    difference[j] = e[j] - scaled;
  }
  for (int j = 0; j < 9; ++j) {
    result[8 - j] = difference[j] * window[8 - j] + saved[8 - j];
    result[9 + j] = difference[j] * window[9 + j] + saved[9 + j];
  }
  for (int j = 0; j < 9; ++j) {
    saved[8 - j] = sum[j] * window[26 - j];
    saved[9 + j] = sum[j] * window[27 + j];
  }
}

// One window's 12-point IMDCT, windowed: a 6-point DCT-IV unfolded the way the long block's is,
// x[i] = y[i+3] (i < 3), -y[8-i] (i < 9), -y[i-9] (the window carries the signs).
void shortWindowOutputs(const Tables& t, const float* in, float* x) {
  float y[6];
  for (int j = 0; j < 6; ++j) {
    const float* c = t.shortCos[static_cast<size_t>(j)].data();
    y[j] = in[0] * c[0] + in[3] * c[1] + in[6] * c[2] + in[9] * c[3] + in[12] * c[4] + in[15] * c[5];
  }
#pragma GCC unroll 12
  for (int i = 0; i < 12; ++i) x[i] = y[i < 3 ? i + 3 : i < 9 ? 8 - i : i - 9] * t.shortWindow[static_cast<size_t>(i)];
}

// Three 12-point IMDCTs, overlapped at 6, 12 and 18 within the 36 outputs: the first 18 added to
// `saved` into `result`, the rest kept in `saved`.
void shortBlock(const Tables& t, const float* in, float* saved, float* result) {
  float x[3][12];
  for (int w = 0; w < 3; ++w) shortWindowOutputs(t, in + w, x[w]);
  for (int i = 0; i < 6; ++i) {
    result[i] = saved[i];
    result[6 + i] = x[0][i] + saved[6 + i];
    result[12 + i] = x[0][6 + i] + x[1][i] + saved[12 + i];
  }
  for (int i = 0; i < 6; ++i) {
    saved[i] = x[1][6 + i] + x[2][i];
    saved[6 + i] = x[2][6 + i];
    saved[12 + i] = 0.0f;
  }
}

}  // namespace

void inverseMdct(const float* xr, int blockType, bool mixed, int subbands, float* overlap, float* out) {
  const Tables& t = tables();
  // A mixed block's two lowest subbands are long blocks with the normal window, whatever the
  // block type (a start or stop block may be mixed too).
  const float* normal = t.window[0].data();
  const float* window = t.window[static_cast<size_t>(blockType == 2 ? 0 : blockType)].data();
  for (int sb = 0; sb < 32; ++sb) {
    float* saved = overlap + 18 * sb;
    float z[18];
    if (sb >= subbands) {
      std::memcpy(z, saved, 18 * sizeof(float));
      std::fill(saved, saved + 18, 0.0f);
    } else if (mixed && sb < 2) {
      longBlock(t, xr + 18 * sb, normal, saved, z);
    } else if (blockType != 2) {
      longBlock(t, xr + 18 * sb, window, saved, z);
    } else {
      shortBlock(t, xr + 18 * sb, saved, z);
    }
    if (sb & 1) {
      for (int i = 0; i < 18; i += 2) {
        out[i * 32 + sb] = z[i];
        out[(i + 1) * 32 + sb] = -z[i + 1];
      }
    } else {
      for (int i = 0; i < 18; ++i) out[i * 32 + sb] = z[i];
    }
  }
}

}  // namespace mp3
