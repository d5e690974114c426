#include "sound/effects/tools/signal.h"

#include <algorithm>
#include <cmath>

namespace {
void panGains(float pan, float& l, float& r) {
  const double angle = (double(pan) + 1.0) * 0.25 * M_PI;
  l = float(std::cos(angle) * M_SQRT2);
  r = float(std::sin(angle) * M_SQRT2);
}
}  // namespace

void mixIn(Stereo& into, const std::vector<float>& sound, double start, float gain, float pan) {
  float gl, gr;
  panGains(pan, gl, gr);
  const long long first = std::llround(start * into.rate);
  for (std::size_t i = 0; i < sound.size(); ++i) {
    const long long at = first + static_cast<long long>(i);
    if (at < 0) continue;
    if (at >= static_cast<long long>(into.frames())) break;
    into.left[at] += sound[i] * gain * gl;
    into.right[at] += sound[i] * gain * gr;
  }
}

void mixIn(Stereo& into, const Stereo& sound, double start, float gain) {
  const long long first = std::llround(start * into.rate);
  for (std::size_t i = 0; i < sound.frames(); ++i) {
    const long long at = first + static_cast<long long>(i);
    if (at < 0) continue;
    if (at >= static_cast<long long>(into.frames())) break;
    into.left[at] += sound.left[i] * gain;
    into.right[at] += sound.right[i] * gain;
  }
}

void fadeEdges(Stereo& s, double inSeconds, double outSeconds) {
  const std::size_t n = s.frames();
  const std::size_t fin = std::min<std::size_t>(n, std::size_t(inSeconds * s.rate));
  const std::size_t fout = std::min<std::size_t>(n, std::size_t(outSeconds * s.rate));
  for (std::size_t i = 0; i < fin; ++i) {
    const float g = float(i) / float(fin);
    s.left[i] *= g;
    s.right[i] *= g;
  }
  for (std::size_t i = 0; i < fout; ++i) {
    const float g = float(i) / float(fout);
    s.left[n - 1 - i] *= g;
    s.right[n - 1 - i] *= g;
  }
}

void applyGain(Stereo& s, const std::vector<float>& gain) {
  for (std::size_t i = 0; i < s.frames() && i < gain.size(); ++i) {
    s.left[i] *= gain[i];
    s.right[i] *= gain[i];
  }
}

void normalisePeak(Stereo& s, double peak) {
  float top = 0.0f;
  for (std::size_t i = 0; i < s.frames(); ++i) top = std::max({top, std::fabs(s.left[i]), std::fabs(s.right[i])});
  if (top <= 0.0f) return;
  const float g = float(peak / top);
  for (std::size_t i = 0; i < s.frames(); ++i) {
    s.left[i] *= g;
    s.right[i] *= g;
  }
}
