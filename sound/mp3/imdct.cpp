#include "sound/mp3/imdct.h"

#include <array>
#include <cmath>

namespace mp3 {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Tables {
  std::array<std::array<float, 5>, 9> dct3{};    // cos(π m (2j+1) / 18), j = 0..4
  std::array<float, 9> oddScale{};                // 1 / (2 cos(π (2j+1) / 36))
  // By block type (2: unused here), each value divided by 2 cos(π (2j+1) / 72) for the y[j] it
  // multiplies, which completes the DCT-IV.
  std::array<std::array<float, 36>, 4> window{};
  std::array<std::array<float, 6>, 12> shortCos{};  // cos(π/24 (2i+7)(2k+1))
  std::array<float, 12> shortWindow{};
};

// Which y[j] of the DCT-IV output x[i] of the 36-point IMDCT takes, and with which sign:
// x[i] = y[i+9] (i < 9), -y[26-i] (i < 27), -y[i-27].
constexpr int unfoldIndex(int i) { return i < 9 ? i + 9 : i < 27 ? 26 - i : i - 27; }

const Tables& tables() {
  static const Tables t = [] {
    Tables r;
    for (int m = 0; m < 9; ++m)
      for (int j = 0; j < 5; ++j)
        r.dct3[static_cast<size_t>(m)][static_cast<size_t>(j)] = static_cast<float>(std::cos(kPi * m * (2 * j + 1) / 18));
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

// out[j] = Σ v[m] cos(π m (2j+1) / 18), j = 0..8. Outputs j and 8-j share the cosines up to the
// sign of the odd terms.
void dct3Of9(const Tables& t, const float* v, float* out) {
  for (int j = 0; j < 5; ++j) {
    const auto at = static_cast<size_t>(j);
    const float even = v[0] + v[2] * t.dct3[2][at] + v[4] * t.dct3[4][at] + v[6] * t.dct3[6][at] + v[8] * t.dct3[8][at];
    const float odd = v[1] * t.dct3[1][at] + v[3] * t.dct3[3][at] + v[5] * t.dct3[5][at] + v[7] * t.dct3[7][at];
    out[j] = even + odd;
    out[8 - j] = even - odd;
  }
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
  float y[18];
  for (int j = 0; j < 9; ++j) {
    const float scaled = o[j] * t.oddScale[static_cast<size_t>(j)];
    y[j] = e[j] + scaled;
    y[17 - j] = e[j] - scaled;
  }
  // The window carries the unfolding's signs.
  for (int i = 0; i < 9; ++i) result[i] = y[i + 9] * window[i] + saved[i];
  for (int i = 9; i < 18; ++i) result[i] = y[26 - i] * window[i] + saved[i];
  for (int i = 18; i < 27; ++i) saved[i - 18] = y[26 - i] * window[i];
  for (int i = 27; i < 36; ++i) saved[i - 18] = y[i - 27] * window[i];
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
  // A mixed block's two lowest subbands are long blocks with the normal window, whatever the
  // block type (a start or stop block may be mixed too).
  const float* normal = t.window[0].data();
  const float* window = t.window[static_cast<size_t>(blockType == 2 ? 0 : blockType)].data();
  for (int sb = 0; sb < 32; ++sb) {
    float* saved = overlap + 18 * sb;
    float z[18];
    if (sb >= subbands) {
      for (int i = 0; i < 18; ++i) z[i] = saved[i];
      for (int i = 0; i < 18; ++i) saved[i] = 0.0f;
    } else if (mixed && sb < 2) {
      longBlock(t, xr + 18 * sb, normal, saved, z);
    } else if (blockType != 2) {
      longBlock(t, xr + 18 * sb, window, saved, z);
    } else {
      float windows[36];
      shortBlock(t, xr + 18 * sb, windows);
      for (int i = 0; i < 18; ++i) {
        z[i] = windows[i] + saved[i];
        saved[i] = windows[i + 18];
      }
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
