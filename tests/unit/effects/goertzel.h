#pragma once
// Power of one frequency in a stretch of samples (Goertzel), relative to the stretch's total power:
// near 0.5 for a pure sine at that frequency, near 0 for a frequency that is absent.
#include <cmath>
#include <cstddef>
#include <vector>

inline double toneShare(const std::vector<float>& x, std::size_t from, std::size_t count, double hz, double rate,
                        std::size_t stride = 1) {
  const double coeff = 2.0 * std::cos(2.0 * M_PI * hz / rate);
  double s1 = 0, s2 = 0, energy = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double v = x[(from + i) * stride];
    const double s = v + coeff * s1 - s2;
    s2 = s1;
    s1 = s;
    energy += v * v;
  }
  const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
  return energy > 0 ? power / (energy * double(count)) : 0.0;
}
