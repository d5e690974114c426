#include "sound/mp3/synthesis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <type_traits>

namespace mp3 {

namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr int kWindowHalf[257] = {
#include "sound/mp3/synthesis_window.inc"
};

struct Tables {
  std::array<float, 512> window{};
  // The window times 2^15 (exact) for 16-bit output, which then needs no scaling of its own.
  std::array<float, 512> window16{};
  // 1 / (2 cos(π (2k+1) / 2N)) for the DCT stages of size N = 32, 16, 8, 4, 2.
  std::array<float, 16> dct32{};
  std::array<float, 8> dct16{};
  std::array<float, 4> dct8{};
  std::array<float, 2> dct4{};
  std::array<float, 1> dct2{};
};

template <size_t M>
void fillDctFactors(std::array<float, M>& f) {
  const double n = 2.0 * M;
  for (size_t k = 0; k < M; ++k) f[k] = static_cast<float>(1.0 / (2.0 * std::cos(kPi * (2.0 * k + 1) / (2 * n))));
}

const Tables& tables() {
  static const Tables t = [] {
    Tables r;
    // D[i] for i > 256 mirrors D[512 - i]; the sign flips with each block of 64 on both sides.
    for (int i = 0; i < 512; ++i) {
      const int mirror = i <= 256 ? i : 512 - i;
      const bool flip = i > 256 && ((i / 64) % 2 != (mirror / 64) % 2);
      const double d = kWindowHalf[mirror] / 65536.0;
      // V's entries 16-63 of each 64 are stored without their minus sign (see synthesize).
      const bool negatedV = i % 64 >= 16;
      r.window[static_cast<size_t>(i)] = static_cast<float>(flip != negatedV ? -d : d);
      r.window16[static_cast<size_t>(i)] = r.window[static_cast<size_t>(i)] * 32768.0f;
    }
    fillDctFactors(r.dct32);
    fillDctFactors(r.dct16);
    fillDctFactors(r.dct8);
    fillDctFactors(r.dct4);
    fillDctFactors(r.dct2);
    return r;
  }();
  return t;
}

template <int N>
const float* dctFactors(const Tables& t) {
  if constexpr (N == 32) return t.dct32.data();
  if constexpr (N == 16) return t.dct16.data();
  if constexpr (N == 8) return t.dct8.data();
  if constexpr (N == 4) return t.dct4.data();
  if constexpr (N == 2) return t.dct2.data();
}

// X[m] = Σ x[k] cos(π m (2k+1) / 2N), by splitting into the sums and the scaled differences of
// mirrored inputs (even and odd outputs), recursively.
template <int N>
[[gnu::always_inline]] inline void dct2(const Tables& t, const float* x, float* out) {
  if constexpr (N == 1) {
    out[0] = x[0];
  } else {
    constexpr int H = N / 2;
    const float* factor = dctFactors<N>(t);
    float a[H], b[H], evens[H], odds[H + 1];
    for (int k = 0; k < H; ++k) {
      a[k] = x[k] + x[N - 1 - k];
      b[k] = (x[k] - x[N - 1 - k]) * factor[k];
    }
    dct2<H>(t, a, evens);
    dct2<H>(t, b, odds);
    // Whole-length loops (the last odd output has no neighbour: a zero) let the compiler vectorise.
    odds[H] = 0.0f;
    for (int m = 0; m < H; ++m) {
      out[2 * m] = evens[m];
      out[2 * m + 1] = odds[m] + odds[m + 1];
    }
  }
}

inline void store(float value, float* out) { *out = value; }

// The value already in 16-bit steps. Rounds to nearest (halves to even) after clipping; one
// instruction where math errno is off.
inline void store(float value, int16_t* out) {
  *out = static_cast<int16_t>(std::lrint(std::min(std::max(value, -32768.0f), 32767.0f)));
}

}  // namespace

template <typename Sample>
void synthesize(SynthesisState& state, const float* subbands, Sample* pcm, int stride) {
  const Tables& t = tables();
  state.offset = (state.offset - 64) & 1023;
  float a[33];
  dct2<32>(t, subbands, a);
  a[32] = 0.0f;
  // V[i] = Σ S[k] cos((16 + i)(2k+1)π/64), read off the DCT by the cosine's symmetries: a[i+16],
  // then -a[48-i] (0 at i = 16), then -a[i-48]. The window carries the minus signs.
  float* v = state.v + state.offset;
  for (int i = 0; i < 16; ++i) v[i] = a[i + 16];
  for (int i = 0; i < 32; ++i) v[16 + i] = a[32 - i];
  for (int i = 0; i < 16; ++i) v[48 + i] = a[i];
  std::copy(v, v + 64, v + 1024);

  // Output j takes V[128i + j] and V[128i + 96 + j] from the 1024 samples starting at the newest,
  // which the second copy keeps contiguous. Each output's 16 products sum in a register.
  const float* d = std::is_same_v<Sample, int16_t> ? t.window16.data() : t.window.data();
  float sum[32];
  for (int j = 0; j < 32; ++j) {
    float s = 0.0f;
#pragma GCC unroll 8
    for (int i = 0; i < 8; ++i) s += v[128 * i + j] * d[64 * i + j] + v[128 * i + 96 + j] * d[64 * i + 32 + j];
    sum[j] = s;
  }
#pragma GCC unroll 32
  for (int j = 0; j < 32; ++j) store(sum[j], pcm + j * stride);
}

template void synthesize<float>(SynthesisState&, const float*, float*, int);
template void synthesize<int16_t>(SynthesisState&, const float*, int16_t*, int);

}  // namespace mp3
