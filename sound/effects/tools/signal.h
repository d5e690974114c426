#pragma once
// A sound being made: two float channels at one rate, full scale ±1. Every effect is rendered in
// stereo and folded to mono when its image is mono.
#include <cstddef>
#include <cstdint>
#include <vector>

struct Stereo {
  int rate = 0;
  std::vector<float> left, right;

  Stereo() = default;
  Stereo(int sampleRate, std::size_t frames) : rate(sampleRate), left(frames), right(frames) {}
  std::size_t frames() const { return left.size(); }
  double seconds() const { return double(frames()) / rate; }
};

// Deterministic noise: the same seed gives the same sound on every build and every machine.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  std::uint64_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return state_;
  }
  double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)
  double between(double lo, double hi) { return lo + (hi - lo) * uniform(); }
  float bipolar() { return float(uniform() * 2.0 - 1.0); }

 private:
  std::uint64_t state_;
};

// Adds a mono sound at `start` seconds, panned (-1 left … +1 right, equal power) and scaled.
void mixIn(Stereo& into, const std::vector<float>& sound, double start, float gain = 1.0f, float pan = 0.0f);
void mixIn(Stereo& into, const Stereo& sound, double start, float gain = 1.0f);

// Linear fades so that a sound starts and ends at zero.
void fadeEdges(Stereo& s, double inSeconds, double outSeconds);
// Time-varying gain, one value per frame.
void applyGain(Stereo& s, const std::vector<float>& gain);

// Scales to the given peak (linear). Silence stays silence.
void normalisePeak(Stereo& s, double peak);
