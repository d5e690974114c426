#include "sound/mp3/antialias.h"

#include <array>
#include <cmath>

namespace mp3 {

namespace {

struct Butterflies {
  std::array<float, 8> cs, ca;
};

const Butterflies& butterflies() {
  static const Butterflies b = [] {
    static constexpr double kCi[8] = {-0.6, -0.535, -0.33, -0.185, -0.095, -0.041, -0.0142, -0.0037};
    Butterflies t;
    for (size_t i = 0; i < 8; ++i) {
      const double root = std::sqrt(1.0 + kCi[i] * kCi[i]);
      t.cs[i] = static_cast<float>(1.0 / root);
      t.ca[i] = static_cast<float>(kCi[i] / root);
    }
    return t;
  }();
  return b;
}

}  // namespace

void antialias(float* xr, int subbands) {
  const Butterflies& b = butterflies();
  for (int sb = 1; sb < subbands && sb < 32; ++sb) {
    float* lower = xr + 18 * sb - 1;  // walks down from the last line of subband sb-1
    float* upper = xr + 18 * sb;      // walks up from the first line of subband sb
    for (int i = 0; i < 8; ++i) {
      const float a = lower[-i], c = upper[i];
      lower[-i] = a * b.cs[static_cast<size_t>(i)] - c * b.ca[static_cast<size_t>(i)];
      upper[i] = c * b.cs[static_cast<size_t>(i)] + a * b.ca[static_cast<size_t>(i)];
    }
  }
}

}  // namespace mp3
