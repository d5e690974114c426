// Crowds, animals, vehicles, water and switches.
#include <algorithm>
#include <cmath>
#include <utility>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/drums.h"
#include "sound/effects/tools/recipes.h"
#include "sound/effects/tools/rendered.h"
#include "sound/effects/tools/sources.h"
#include "sound/effects/tools/score.h"
#include "sound/effects/tools/voice.h"

namespace {
// An engine: pulses at the firing rate with their harmonics, a rumble of noise, and a drive that
// grows harsh as the engine labours. `firingHz` is sampled once per frame.
template <typename FiringHz, typename Load>
std::vector<float> engine(int rate, std::size_t frames, FiringHz&& firingHz, Load&& load, double brightness, Rng& rng) {
  std::vector<float> out(frames);
  Oscillator pulse(rate), second(rate);
  Biquad body = Biquad::lowPass(rate, brightness, 1.5), rumble = Biquad::lowPass(rate, 300);
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = double(i) / rate;
    const double hz = firingHz(t);
    const double l = load(t);
    const float x = pulse.square(hz, 0.25) + 0.5f * second.saw(hz * 0.5) + rumble.step(rng.bipolar()) * 0.8f;
    out[i] = softClip(body.step(x) * float(1.0 + 2.0 * l)) * float(0.4 + 0.6 * l);
  }
  return out;
}
}  // namespace

Stereo crowFlyingBy(const RenderContext& c) {
  // A crow cawing three times and beating its wings as it crosses from left to right.
  Stereo s = c.blank();
  Rng rng(c.seed);
  const std::vector<float> caw = loadRecording(c.tools, recording::crow, c.rate).left;
  for (int k = 0; k < 3; ++k) {
    const double t = 0.15 + k * 0.65;
    mixIn(s, caw, t, 1.0f - 0.1f * float(k), float(-0.8 + 1.6 * t / c.seconds()));
  }
  Biquad whoosh = Biquad::bandPass(c.rate, 500, 0.8);
  std::vector<float> wings(c.frames);
  for (std::size_t i = 0; i < wings.size(); ++i) {
    const double t = double(i) / c.rate;
    wings[i] = float(whoosh.step(rng.bipolar()) * std::pow(std::max(0.0, std::sin(2 * M_PI * 4.5 * t)), 4.0) * 0.4);
  }
  Stereo w = c.blank();
  mixIn(w, wings, 0.0);
  for (std::size_t i = 0; i < c.frames; ++i) {
    const double u = double(i) / double(c.frames);
    w.left[i] *= float(1.0 - u);
    w.right[i] *= float(u);
  }
  mixIn(s, w, 0.0);
  return finished(std::move(s), {0.7, 0.25}, {0.0, 0.0});
}

Stereo blownKiss(const RenderContext& c) {
  // "Mwah!" — lips parting, a short rising "a", then a twinkle.
  Stereo s = c.blank();
  Rng rng(c.seed);
  Biquad smack = Biquad::bandPass(c.rate, 1800, 1.5);
  std::vector<float> lips(std::size_t(0.03 * c.rate));
  for (std::size_t i = 0; i < lips.size(); ++i)
    lips[i] = smack.step(rng.bipolar()) * attackDecay(double(i) / c.rate, 0.001, 0.006) * 3;
  mixIn(s, lips, 0.05);
  Syllable mwah{0.0, 0.28, Vowel::a, 260, 340, 0.8f, 0.35, 0.0, 0.0, 0.0};
  mixIn(s, renderVoice(c.rate, std::size_t(0.35 * c.rate), {mwah}, {1.17}, rng), 0.08);
  std::vector<Note> twinkle;
  addTune(twinkle, "E6:1 A6:1 E7:2", 0.0, 0.08, {Instrument::musicBox, 0.6f, 0.4f, 1.0});
  Stereo t = renderScore(c.rate, std::size_t(0.65 * c.rate), twinkle, c.seed);
  mixIn(s, t, 0.45, 0.7f);
  return s;
}

Stereo carHorn(const RenderContext& c) {
  // Beep, beep, beeeep: a two-tone car horn.
  Stereo s = c.blank();
  const std::pair<double, double> blasts[] = {{0.05, 0.22}, {0.4, 0.22}, {0.8, 1.4}};
  for (const auto& [start, len] : blasts) {
    std::vector<float> blast(std::size_t(len * c.rate));
    Oscillator a(c.rate), b(c.rate);
    Biquad f = Biquad::bandPass(c.rate, 900, 0.8);
    for (std::size_t i = 0; i < blast.size(); ++i) {
      const double t = double(i) / c.rate;
      blast[i] =
          softClip(2.0f * f.step(a.square(415) + b.square(494))) * float(std::min({1.0, t / 0.01, (len - t) / 0.02}));
    }
    mixIn(s, blast, start);
  }
  return finished(std::move(s), {0.5, 0.15}, {0.0, 0.0});
}

Stereo flies(const RenderContext& c) {
  // Two flies buzzing around, coming close and drifting off.
  Stereo s = c.blank();
  Rng rng(c.seed);
  for (int fly = 0; fly < 2; ++fly) {
    Oscillator wing(c.rate), wander(c.rate, fly * 0.3), closeness(c.rate, fly * 0.5);
    Biquad body = Biquad::bandPass(c.rate, 1200, 0.7);
    std::vector<float> buzz(c.frames);
    const double base = fly ? 190 : 235;
    for (std::size_t i = 0; i < c.frames; ++i) {
      const double near = 0.5 + 0.5 * closeness.sine(fly ? 0.37 : 0.23);
      buzz[i] = float(body.step(wing.saw(base * (1 + 0.06 * wander.sine(3.1 + fly)) + rng.between(-8, 8))) *
                      (0.2 + 0.8 * near * near));
    }
    mixIn(s, buzz, 0.0, 0.7f, fly ? 0.5f : -0.5f);
  }
  return finished(std::move(s), {0.0, 0.0}, {0.3, 0.4});
}

Stereo lightsOn(const RenderContext& c) {
  // A switch clicks, tubes flicker on with a hum, and the room brightens with a chime.
  Stereo s = c.blank();
  Rng rng(c.seed);
  mixIn(s, loadWadSound(c.tools, recording::gameData, "DSSWTCHN", c.rate), 0.02, 1.2f);
  for (double t = 0.2; t < 1.2; t += rng.between(0.08, 0.25))
    mixIn(s, drumHit(Drum::clave, c.rate, rng), t, 0.3f, float(rng.between(-0.5, 0.5)));
  std::vector<float> hum(c.frames);
  Oscillator mains(c.rate), buzz(c.rate);
  for (std::size_t i = 0; i < c.frames; ++i) {
    const double t = double(i) / c.rate;
    hum[i] = float((0.6 * mains.sine(100) + 0.2 * buzz.saw(200)) * std::clamp((t - 0.2) / 1.0, 0.0, 1.0) * 0.3);
  }
  mixIn(s, hum, 0.0);
  mixIn(s, loadRecording(c.tools, recording::chime, c.rate), 1.2, 0.8f);
  return finished(std::move(s), {0.6, 0.2}, {0.0, 0.8});
}

Stereo lightsOff(const RenderContext& c) {
  // A switch clicks and everything powers down with a falling tone.
  Stereo s = c.blank();
  mixIn(s, loadWadSound(c.tools, recording::gameData, "DSSWTCHX", c.rate), 0.0, 1.2f);
  std::vector<float> fall(std::size_t(1.0 * c.rate));
  Oscillator a(c.rate), b(c.rate);
  for (std::size_t i = 0; i < fall.size(); ++i) {
    const double t = double(i) / c.rate;
    const double hz = 900 * std::pow(0.06, t);
    fall[i] = float((a.sine(hz) + 0.4 * b.saw(hz * 0.5)) * std::exp(-t / 0.45) * std::min(1.0, t / 0.01) * 0.6);
  }
  mixIn(s, fall, 0.08);
  return finished(std::move(s), {0.4, 0.15}, {0.0, 0.1});
}
