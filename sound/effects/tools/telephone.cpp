#include "sound/effects/tools/telephone.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "sound/effects/tools/dsp.h"

namespace {
// A tone with 5 ms edges, so that switching it on and off does not click.
std::vector<float> toneBurst(int rate, double seconds, double hzA, double hzB) {
  std::vector<float> out(std::size_t(seconds * rate));
  Oscillator a(rate), b(rate);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / rate;
    const double edge = std::min({1.0, t / 0.005, (seconds - t) / 0.005});
    out[i] = float((a.sine(hzA) + (hzB > 0 ? b.sine(hzB) : 0.0f)) * edge);
  }
  return out;
}
}  // namespace

void addLineTone(Stereo& s, double start, double seconds, Cadence cadence, float gain) {
  if (cadence.off <= 0) {
    mixIn(s, toneBurst(s.rate, seconds, kLineToneHz, 0), start, gain);
    return;
  }
  for (double t = 0; t < seconds; t += cadence.on + cadence.off)
    mixIn(s, toneBurst(s.rate, std::min(cadence.on, seconds - t), kLineToneHz, 0), start + t, gain);
}

std::pair<double, double> dtmfPair(char key) {
  static constexpr std::string_view kKeys = "123A456B789C*0#D";
  static constexpr double kLow[4] = {697, 770, 852, 941};
  static constexpr double kHigh[4] = {1209, 1336, 1477, 1633};
  const std::size_t at = kKeys.find(key);
  if (at == std::string_view::npos) return {0, 0};
  return {kLow[at / 4], kHigh[at % 4]};
}

void addKeyTone(Stereo& s, char key, double start, double seconds, float gain) {
  const auto [low, high] = dtmfPair(key);
  if (low > 0) mixIn(s, toneBurst(s.rate, seconds, low, high), start, gain * 0.5f);
}
