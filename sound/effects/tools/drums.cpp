#include "sound/effects/tools/drums.h"

#include <algorithm>
#include <cmath>

#include "sound/effects/tools/dsp.h"

namespace {
std::vector<float> shaped(int rate, double seconds, auto&& sample) {
  std::vector<float> out(std::size_t(seconds * rate));
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = sample(double(i) / rate);
  return out;
}

std::vector<float> filteredNoiseHit(int rate, double seconds, double decay, Biquad filter, Rng& rng) {
  return shaped(rate, seconds, [&](double t) { return filter.step(rng.bipolar()) * attackDecay(t, 0.001, decay); });
}

std::vector<float> pitchedHit(int rate, double seconds, double hzTop, double hzBottom, double sweep, double decay) {
  Oscillator osc(rate);
  return shaped(rate, seconds, [&](double t) {
    const double hz = hzBottom + (hzTop - hzBottom) * std::exp(-t / sweep);
    return osc.sine(hz) * attackDecay(t, 0.0015, decay);
  });
}

void addInto(std::vector<float>& a, const std::vector<float>& b, float gain) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) a[i] += b[i] * gain;
}
}  // namespace

std::vector<float> drumHit(Drum drum, int rate, Rng& rng) {
  switch (drum) {
    case Drum::kick: {
      auto body = pitchedHit(rate, 0.45, 150, 48, 0.03, 0.12);
      addInto(body, filteredNoiseHit(rate, 0.01, 0.002, Biquad::highPass(rate, 1500), rng), 0.5f);
      return body;
    }
    case Drum::snare: {
      auto body = pitchedHit(rate, 0.25, 260, 180, 0.02, 0.05);
      for (float& x : body) x *= 0.7f;
      addInto(body, filteredNoiseHit(rate, 0.3, 0.07, Biquad::bandPass(rate, 3000, 0.6), rng), 1.3f);
      return body;
    }
    case Drum::closedHat: return filteredNoiseHit(rate, 0.08, 0.018, Biquad::highPass(rate, 7000), rng);
    case Drum::openHat: return filteredNoiseHit(rate, 0.45, 0.14, Biquad::highPass(rate, 6500), rng);
    case Drum::crash: return filteredNoiseHit(rate, 1.6, 0.5, Biquad::highPass(rate, 4000), rng);
    case Drum::shaker: {
      Biquad f = Biquad::bandPass(rate, 6000, 1.2);
      return shaped(rate, 0.09, [&](double t) { return f.step(rng.bipolar()) * float(std::sin(M_PI * t / 0.09)); });
    }
    case Drum::clap: {
      // Three quick slaps and a tail: many hands a few milliseconds apart.
      Biquad f = Biquad::bandPass(rate, 1200, 1.1);
      return shaped(rate, 0.25, [&](double t) {
        const double env = t < 0.03 ? std::exp(-std::fmod(t, 0.01) / 0.003) : std::exp(-(t - 0.03) / 0.05);
        return f.step(rng.bipolar()) * float(env) * 2.0f;
      });
    }
    case Drum::rim: return pitchedHit(rate, 0.06, 1700, 1700, 1, 0.008);
    case Drum::clave: return pitchedHit(rate, 0.15, 2500, 2500, 1, 0.03);
    case Drum::tomLow: return pitchedHit(rate, 0.5, 140, 95, 0.08, 0.15);
    case Drum::tomHigh: return pitchedHit(rate, 0.4, 230, 160, 0.06, 0.11);
    case Drum::cowbell: {
      Oscillator a(rate), b(rate);
      Biquad f = Biquad::bandPass(rate, 800, 2);
      return shaped(rate, 0.3, [&](double t) {
        return f.step(a.square(562) + b.square(845)) * attackDecay(t, 0.001, 0.06) * 2.0f;
      });
    }
  }
  return {};
}
