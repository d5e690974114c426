#include "sound/effects/tools/dsp.h"

#include <algorithm>
#include <cmath>

namespace {
struct Coeffs {
  double w, cw, sw, alpha;
};
Coeffs prepare(double rate, double hz, double q) {
  Coeffs c;
  c.w = 2.0 * M_PI * std::min(hz, rate * 0.49) / rate;
  c.cw = std::cos(c.w);
  c.sw = std::sin(c.w);
  c.alpha = c.sw / (2.0 * q);
  return c;
}
}  // namespace

Biquad Biquad::fromCoefficients(double b0, double b1, double b2, double a0, double a1, double a2) {
  Biquad f;
  f.b0_ = b0 / a0;
  f.b1_ = b1 / a0;
  f.b2_ = b2 / a0;
  f.a1_ = a1 / a0;
  f.a2_ = a2 / a0;
  return f;
}

Biquad Biquad::lowPass(double rate, double hz, double q) {
  const Coeffs c = prepare(rate, hz, q);
  return fromCoefficients((1 - c.cw) / 2, 1 - c.cw, (1 - c.cw) / 2, 1 + c.alpha, -2 * c.cw, 1 - c.alpha);
}

Biquad Biquad::highPass(double rate, double hz, double q) {
  const Coeffs c = prepare(rate, hz, q);
  return fromCoefficients((1 + c.cw) / 2, -(1 + c.cw), (1 + c.cw) / 2, 1 + c.alpha, -2 * c.cw, 1 - c.alpha);
}

Biquad Biquad::bandPass(double rate, double hz, double q) {
  const Coeffs c = prepare(rate, hz, q);
  return fromCoefficients(c.alpha, 0, -c.alpha, 1 + c.alpha, -2 * c.cw, 1 - c.alpha);
}

float Biquad::step(float x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return float(y);
}

void Biquad::process(std::vector<float>& samples) {
  for (float& x : samples) x = step(x);
}

double Oscillator::advance(double hz) {
  const double p = phase_;
  phase_ += hz / rate_;
  phase_ -= std::floor(phase_);
  return p;
}

float Oscillator::sine(double hz) { return float(std::sin(2.0 * M_PI * advance(hz))); }

float Oscillator::saw(double hz) {
  const float raw = float(2.0 * advance(hz) - 1.0);
  const float k = float(std::exp(-2.0 * M_PI * std::min(rate_ * 0.3, hz * 12.0) / rate_));
  smooth_ = raw + (smooth_ - raw) * k;
  return smooth_;
}

float Oscillator::square(double hz, double duty) {
  const float raw = advance(hz) < duty ? 1.0f : -1.0f;
  const float k = float(std::exp(-2.0 * M_PI * std::min(rate_ * 0.3, hz * 12.0) / rate_));
  smooth_ = raw + (smooth_ - raw) * k;
  return smooth_;
}

float Oscillator::triangle(double hz) {
  const double p = advance(hz);
  return float(p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p);
}

float attackDecay(double t, double attack, double decay) {
  if (t < 0) return 0.0f;
  if (t < attack) return float(t / attack);
  return float(std::exp(-(t - attack) / decay));
}

double breakpoints(double t, const std::vector<std::pair<double, double>>& points) {
  if (points.empty()) return 0.0;
  if (t <= points.front().first) return points.front().second;
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (t <= points[i].first) {
      const auto& [t0, v0] = points[i - 1];
      const auto& [t1, v1] = points[i];
      return t1 > t0 ? v0 + (v1 - v0) * (t - t0) / (t1 - t0) : v1;
    }
  }
  return points.back().second;
}

std::vector<float> whiteNoise(std::size_t n, Rng& rng) {
  std::vector<float> out(n);
  for (float& x : out) x = rng.bipolar();
  return out;
}

std::vector<float> lowNoise(std::size_t n, double rate, double hz, Rng& rng) {
  std::vector<float> out = whiteNoise(n, rng);
  Biquad a = Biquad::lowPass(rate, hz), b = Biquad::lowPass(rate, hz);
  for (float& x : out) x = b.step(a.step(x));
  return out;
}

namespace {
// One channel of the reverb; the two channels use slightly different delays for width.
std::vector<float> reverbChannel(const std::vector<float>& in, int rate, double size, int spread) {
  static const int kComb[4] = {1116, 1188, 1277, 1356};
  static const int kAllPass[2] = {556, 441};
  const double scale = rate / 44100.0;
  std::vector<float> wet(in.size(), 0.0f);
  for (int c = 0; c < 4; ++c) {
    const std::size_t d = std::size_t((kComb[c] + spread) * scale * (0.6 + size));
    std::vector<float> line(d, 0.0f);
    float damp = 0.0f;
    std::size_t at = 0;
    for (std::size_t i = 0; i < in.size(); ++i) {
      const float out = line[at];
      damp = out * 0.6f + damp * 0.4f;
      line[at] = in[i] + damp * float(0.55 + 0.3 * size);
      at = (at + 1) % d;
      wet[i] += out * 0.25f;
    }
  }
  for (int a = 0; a < 2; ++a) {
    const std::size_t d = std::size_t((kAllPass[a] + spread) * scale);
    std::vector<float> line(d, 0.0f);
    std::size_t at = 0;
    for (float& x : wet) {
      const float buffered = line[at];
      line[at] = x + buffered * 0.5f;
      x = buffered - x;
      at = (at + 1) % d;
    }
  }
  return wet;
}
}  // namespace

void reverb(Stereo& s, double size, double wet) {
  const std::vector<float> l = reverbChannel(s.left, s.rate, size, 0);
  const std::vector<float> r = reverbChannel(s.right, s.rate, size, 23);
  for (std::size_t i = 0; i < s.frames(); ++i) {
    s.left[i] = float(s.left[i] * (1.0 - wet) + l[i] * wet);
    s.right[i] = float(s.right[i] * (1.0 - wet) + r[i] * wet);
  }
}

Stereo finished(Stereo s, Room room, Fades fades) {
  if (room.wet > 0) reverb(s, room.size, room.wet);
  fadeEdges(s, fades.in, fades.out);
  return s;
}

void echo(Stereo& s, double delaySeconds, double feedback, double wet) {
  const std::size_t d = std::max<std::size_t>(1, std::size_t(delaySeconds * s.rate));
  for (std::vector<float>* ch : {&s.left, &s.right}) {
    std::vector<float> line(d, 0.0f);
    std::size_t at = 0;
    for (float& x : *ch) {
      const float delayed = line[at];
      line[at] = x + delayed * float(feedback);
      x += delayed * float(wet);
      at = (at + 1) % d;
    }
  }
}

std::vector<float> resample(const std::vector<float>& in, int fromRate, int toRate) {
  if (fromRate == toRate || in.empty()) return in;
  std::vector<float> filtered = in;
  if (toRate < fromRate) {
    Biquad a = Biquad::lowPass(fromRate, toRate * 0.45), b = Biquad::lowPass(fromRate, toRate * 0.45);
    for (float& x : filtered) x = b.step(a.step(x));
  }
  const std::size_t n = std::size_t(double(in.size()) * toRate / fromRate);
  std::vector<float> out(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double at = double(i) * fromRate / toRate;
    const std::size_t k = std::size_t(at);
    const double f = at - double(k);
    const float a = filtered[std::min(k, in.size() - 1)];
    const float b = filtered[std::min(k + 1, in.size() - 1)];
    out[i] = float(a + (b - a) * f);
  }
  if (toRate > fromRate) {
    // Interpolation leaves faint mirror images of the sound above the old Nyquist: remove them.
    Biquad a = Biquad::lowPass(toRate, fromRate * 0.45), b = Biquad::lowPass(toRate, fromRate * 0.45);
    for (float& x : out) x = b.step(a.step(x));
  }
  return out;
}

double noteHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }
