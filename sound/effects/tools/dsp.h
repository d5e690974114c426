#pragma once
// Filters, oscillators and shapes the effects are built from.
#include <cstddef>
#include <vector>

#include "sound/effects/tools/signal.h"

// Second-order section (RBJ cookbook), direct form I.
class Biquad {
 public:
  static Biquad lowPass(double rate, double hz, double q = 0.707);
  static Biquad highPass(double rate, double hz, double q = 0.707);
  static Biquad bandPass(double rate, double hz, double q);  // 0 dB peak gain
  float step(float x);
  void process(std::vector<float>& samples);

 private:
  static Biquad fromCoefficients(double b0, double b1, double b2, double a0, double a1, double a2);
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Band-limited-enough oscillators driven by a per-sample frequency: phase is carried along, so
// glides and vibrato never jump.
class Oscillator {
 public:
  explicit Oscillator(double rate, double phase = 0.0) : rate_(rate), phase_(phase) {}
  float sine(double hz);
  float saw(double hz);  // softened by a one-pole so its top end does not alias harshly
  float square(double hz, double duty = 0.5);
  float triangle(double hz);

 private:
  double advance(double hz);
  double rate_;
  double phase_;
  float smooth_ = 0.0f;
};

// Exponential-ish attack / decay envelope: 0 → 1 in `attack` s, then e-fold every `decay` s.
float attackDecay(double t, double attack, double decay);
// Piecewise linear through (time, value) points; held flat outside them.
double breakpoints(double t, const std::vector<std::pair<double, double>>& points);

std::vector<float> whiteNoise(std::size_t n, Rng& rng);
// Noise coloured by a low-pass: softer, darker rumble and hiss.
std::vector<float> lowNoise(std::size_t n, double rate, double hz, Rng& rng);

// Small room / hall: parallel combs into series all-passes, mixed with the dry sound.
void reverb(Stereo& s, double size, double wet);
// The last touches of most effects: the room they sound in (wet 0 for none), and fades so that
// they start and end at zero.
struct Room {
  double size, wet;
};
struct Fades {
  double in, out;
};
Stereo finished(Stereo s, Room room, Fades fades);

// Feedback echo on both channels.
void echo(Stereo& s, double delaySeconds, double feedback, double wet);

// Rate change by linear interpolation, low-passed at the lower rate's Nyquist.
std::vector<float> resample(const std::vector<float>& in, int fromRate, int toRate);

// Smooth saturation: loud passages flatten instead of clipping.
inline float softClip(float x) { return x / (1.0f + (x < 0 ? -x : x)); }

// MIDI note number → Hz (A4 = 69 = 440 Hz).
double noteHz(double midi);
