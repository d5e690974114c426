// Crowds, animals, vehicles, water and switches.
#include <algorithm>
#include <cmath>
#include <utility>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/drums.h"
#include "sound/effects/tools/recipes.h"
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

Stereo applause(const RenderContext& c) {
  // Forty people clapping at their own pace; the crowd swells in and dies away at the end.
  Stereo s = c.blank();
  Rng rng(c.seed);
  std::vector<std::vector<float>> hands;
  for (int k = 0; k < 12; ++k) {
    Biquad f = Biquad::bandPass(c.rate, rng.between(900, 2600), rng.between(1.0, 2.2));
    std::vector<float> clap(std::size_t(0.06 * c.rate));
    for (std::size_t i = 0; i < clap.size(); ++i) clap[i] = f.step(rng.bipolar()) * attackDecay(double(i) / c.rate, 0.001, 0.009);
    hands.push_back(std::move(clap));
  }
  for (int person = 0; person < 40; ++person) {
    const double pace = rng.between(3.5, 6.0);
    const float pan = float(rng.between(-0.9, 0.9));
    const double stop = c.seconds() - rng.between(0.3, 2.5);
    for (double t = rng.between(0.0, 0.8); t < stop; t += rng.between(0.85, 1.15) / pace)
      mixIn(s, hands[rng.next() % hands.size()], t, float(rng.between(0.4, 1.0)), pan);
  }
  return finished(std::move(s), {0.6, 0.2}, {0.5, 1.5});
}

Stereo dogBarks(const RenderContext& c) {
  // A small dog: sharp yaps in twos and threes, a growl now and then.
  Rng rng(c.seed);
  std::vector<Syllable> v;
  for (double t = 0.2; t < c.seconds() - 0.8;) {
    const int barks = int(rng.between(2, 4));
    for (int k = 0; k < barks; ++k, t += rng.between(0.22, 0.3))
      v.push_back({t, rng.between(0.09, 0.13), Vowel::a, rng.between(650, 750), 420, 1.0f, 0.25, 0.01, 0.0, 0.35});
    if (rng.uniform() < 0.3) v.push_back({t + 0.1, 0.7, Vowel::u, 140, 130, 0.4f, 0.5, 0, 0, 0.9}), t += 0.8;
    t += rng.between(0.3, 0.8);
  }
  Stereo s = c.blank();
  mixIn(s, renderVoice(c.rate, c.frames, v, {1.7}, rng), 0.0);
  return finished(std::move(s), {0.4, 0.15}, {0.0, 0.0});
}

Stereo crowFlyingBy(const RenderContext& c) {
  // Harsh caws and wing beats moving from left to right.
  Stereo s = c.blank();
  Rng rng(c.seed);
  const double len = c.seconds();
  for (int k = 0; k < 3; ++k) {
    const double t = 0.15 + k * 0.65;
    Syllable caw{0, 0.38, Vowel::a, 720, 560, 1.0f, 0.3, 0.0, 0.0, 0.9};
    mixIn(s, renderVoice(c.rate, std::size_t(0.45 * c.rate), {caw}, {1.35}, rng), t, 1.0f, float(-0.8 + 1.6 * t / len));
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
  for (std::size_t i = 0; i < lips.size(); ++i) lips[i] = smack.step(rng.bipolar()) * attackDecay(double(i) / c.rate, 0.001, 0.006) * 3;
  mixIn(s, lips, 0.05);
  Syllable mwah{0.0, 0.28, Vowel::a, 260, 340, 0.8f, 0.35, 0.0, 0.0, 0.0};
  mixIn(s, renderVoice(c.rate, std::size_t(0.35 * c.rate), {mwah}, {1.17}, rng), 0.08);
  std::vector<Note> twinkle;
  addTune(twinkle, "E6:1 A6:1 E7:2", 0.0, 0.08, {Instrument::musicBox, 0.6f, 0.4f, 1.0});
  Stereo t = renderScore(c.rate, std::size_t(0.65 * c.rate), twinkle, c.seed);
  mixIn(s, t, 0.45, 0.7f);
  return s;
}

Stereo train(const RenderContext& c) {
  // A steam train: chuffs getting quicker, wheels clacking over rail joints, and its horn.
  Stereo s = c.blank();
  Rng rng(c.seed);
  Biquad chuffBand = Biquad::bandPass(c.rate, 700, 0.7);
  std::vector<float> chuffs(c.frames);
  double phase = 0;
  for (std::size_t i = 0; i < c.frames; ++i) {
    const double t = double(i) / c.rate;
    phase += (2.5 + 0.5 * t) / c.rate;
    const double beat = std::fmod(phase, 1.0);
    const double accent = std::fmod(phase, 4.0) < 1.0 ? 1.0 : 0.6;
    chuffs[i] = float(chuffBand.step(rng.bipolar()) * std::exp(-beat / 0.12) * accent);
  }
  mixIn(s, chuffs, 0.0, 0.9f);
  for (double t = 0.1; t < c.seconds(); t += 1.1) {
    mixIn(s, drumHit(Drum::rim, c.rate, rng), t, 0.35f, -0.3f);
    mixIn(s, drumHit(Drum::rim, c.rate, rng), t + 0.14, 0.3f, 0.3f);
  }
  std::vector<float> horn(std::size_t(1.6 * c.rate));
  Oscillator a(c.rate), b(c.rate), d(c.rate);
  Biquad tone = Biquad::lowPass(c.rate, 2000);
  for (std::size_t i = 0; i < horn.size(); ++i) {
    const double t = double(i) / c.rate;
    horn[i] = tone.step(a.saw(311) + b.saw(370) + d.saw(466)) * float(std::min({1.0, t / 0.05, (1.6 - t) / 0.2})) * 0.4f;
  }
  mixIn(s, horn, 2.2, 1.0f);
  mixIn(s, horn, 4.1, 0.9f);
  return finished(std::move(s), {0.6, 0.2}, {0.8, 0.5});
}

Stereo motorbike(const RenderContext& c) {
  // Idle, two blips of the throttle, then away through the gears.
  Rng rng(c.seed);
  const auto rpm = [](double t) {
    return breakpoints(t, {{0, 18}, {0.5, 18}, {0.65, 55}, {0.9, 22}, {1.2, 22}, {1.35, 60}, {1.6, 24}, {1.8, 24},
                           {2.6, 90}, {2.7, 60}, {3.7, 110}});
  };
  const auto load = [&](double t) { return std::clamp((rpm(t) - 18) / 60.0, 0.1, 1.0); };
  Stereo s = c.blank();
  mixIn(s, engine(c.rate, c.frames, rpm, load, 1800, rng), 0.0);
  return s;
}

Stereo carStarting(const RenderContext& c) {
  // The starter cranks, the engine catches, revs once and settles to an idle.
  Stereo s = c.blank();
  Rng rng(c.seed);
  std::vector<float> crank(std::size_t(1.6 * c.rate));
  Oscillator whine(c.rate), chug(c.rate);
  Biquad f = Biquad::lowPass(c.rate, 1500);
  for (std::size_t i = 0; i < crank.size(); ++i) {
    const double t = double(i) / c.rate;
    const double cycle = 0.5 + 0.5 * chug.sine(6.5);
    crank[i] = f.step(whine.saw(220 + 40 * cycle) + rng.bipolar() * 0.5f) * float(0.3 + 0.7 * cycle) * float(std::min(1.0, t / 0.05)) * 0.6f;
  }
  mixIn(s, crank, 0.2);
  const auto rpm = [](double t) {
    return breakpoints(t, {{0, 0}, {1.7, 0}, {1.75, 40}, {2.4, 70}, {3.2, 22}, {8.1, 20}});
  };
  const auto load = [](double t) { return t < 1.72 ? 0.0 : breakpoints(t, {{1.72, 0.9}, {2.4, 1.0}, {3.2, 0.3}, {8.1, 0.25}}); };
  std::vector<float> motor = engine(c.rate, c.frames, [&](double t) { return std::max(1.0, rpm(t)); }, load, 900, rng);
  for (std::size_t i = 0; i < motor.size(); ++i) motor[i] *= float(std::clamp((double(i) / c.rate - 1.7) / 0.05, 0.0, 1.0));
  mixIn(s, motor, 0.0);
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
      blast[i] = softClip(2.0f * f.step(a.square(415) + b.square(494))) * float(std::min({1.0, t / 0.01, (len - t) / 0.02}));
    }
    mixIn(s, blast, start);
  }
  return finished(std::move(s), {0.5, 0.15}, {0.0, 0.0});
}

Stereo jetFlyover(const RenderContext& c) {
  // A jet approaching from the left, roaring overhead and fading to the right, its whine bending
  // down as it passes.
  Stereo s = c.blank();
  Rng rng(c.seed);
  const double pass = c.seconds() * 0.45;
  Biquad roar = Biquad::lowPass(c.rate, 600), roar2 = Biquad::lowPass(c.rate, 600);
  Oscillator turbine(c.rate);
  for (std::size_t i = 0; i < c.frames; ++i) {
    const double t = double(i) / c.rate;
    const double distance = std::sqrt(1.0 + std::pow((t - pass) * 0.9, 2.0));
    const double gain = 1.0 / (distance * distance);
    const double doppler = 1.0 - 0.25 * std::tanh((t - pass) * 0.8);
    const float x = roar2.step(roar.step(rng.bipolar())) * 3.0f + 0.25f * turbine.sine(1800 * doppler) * float(gain);
    const double u = std::clamp((t - pass) / 4.0 * 0.5 + 0.5, 0.0, 1.0);
    s.left[i] = float(x * gain * (1.0 - u * 0.8));
    s.right[i] = float(x * gain * (0.2 + u * 0.8));
  }
  return finished(std::move(s), {0.0, 0.0}, {0.5, 0.5});
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
      buzz[i] = float(body.step(wing.saw(base * (1 + 0.06 * wander.sine(3.1 + fly)) + rng.between(-8, 8))) * (0.2 + 0.8 * near * near));
    }
    mixIn(s, buzz, 0.0, 0.7f, fly ? 0.5f : -0.5f);
  }
  return finished(std::move(s), {0.0, 0.0}, {0.3, 0.4});
}

Stereo waterPouring(const RenderContext& c) {
  // Water poured into a glass: a splashing stream, bubbles, and a ring that rises as it fills.
  Stereo s = c.blank();
  Rng rng(c.seed);
  const double end = c.seconds() - 0.8;
  std::vector<float> stream(c.frames);
  Biquad splash = Biquad::bandPass(c.rate, 2200, 0.8);
  // The air left in the glass resonates; its note rises as the water shortens it. A state-variable
  // filter follows the rising note sample by sample.
  double low = 0, band = 0;
  for (std::size_t i = 0; i < c.frames; ++i) {
    const double t = double(i) / c.rate;
    const double fill = std::clamp(t / end, 0.0, 1.0);
    const double on = t < 0.3 ? t / 0.3 : t > end ? std::exp(-(t - end) / 0.1) : 1.0;
    const double noise = rng.bipolar();
    const double f = 2.0 * std::sin(M_PI * 350.0 * std::pow(5.0, fill) / c.rate);
    low += f * band;
    band += f * (noise - low - 0.12 * band);
    stream[i] = float((splash.step(float(noise)) * (0.5 + 0.15 * std::sin(t * 13.0)) + band * 0.12) * on * (1.0 - 0.3 * fill));
  }
  mixIn(s, stream, 0.0);
  for (double t = 0.2; t < end; t += rng.between(0.01, 0.05)) {
    const double fill = t / end;
    const double hz = rng.between(500, 1200) * (1.0 + 1.5 * fill);
    std::vector<float> bubble(std::size_t(0.04 * c.rate));
    Oscillator o(c.rate);
    for (std::size_t i = 0; i < bubble.size(); ++i) {
      const double u = double(i) / c.rate;
      bubble[i] = o.sine(hz * (1.0 + 8.0 * u)) * attackDecay(u, 0.001, 0.01);
    }
    mixIn(s, bubble, t, float(rng.between(0.1, 0.35)), float(rng.between(-0.3, 0.3)));
  }
  return finished(std::move(s), {0.3, 0.15}, {0.0, 0.0});
}

Stereo lightsOn(const RenderContext& c) {
  // A switch clicks, tubes flicker on with a hum, and the room brightens with a rising shimmer.
  Stereo s = c.blank();
  Rng rng(c.seed);
  mixIn(s, drumHit(Drum::rim, c.rate, rng), 0.05, 1.0f);
  for (double t = 0.2; t < 1.2; t += rng.between(0.08, 0.25)) mixIn(s, drumHit(Drum::clave, c.rate, rng), t, 0.3f, float(rng.between(-0.5, 0.5)));
  std::vector<float> hum(c.frames);
  Oscillator mains(c.rate), buzz(c.rate);
  for (std::size_t i = 0; i < c.frames; ++i) {
    const double t = double(i) / c.rate;
    hum[i] = float((0.6 * mains.sine(100) + 0.2 * buzz.saw(200)) * std::clamp((t - 0.2) / 1.0, 0.0, 1.0) * 0.3);
  }
  mixIn(s, hum, 0.0);
  std::vector<Note> shimmer;
  addTune(shimmer, "C5:1 E5:1 G5:1 C6:1 E6:1 G6:1 C7:4", 0.0, 0.18, {Instrument::bell, 0.5f, 0.2f, 1.0});
  addTune(shimmer, "C4+G4+C5+E5:14", 0.0, 0.18, {Instrument::pad, 0.5f, 0.0f, 1.0});
  Stereo sh = renderScore(c.rate, c.frames, shimmer, c.seed);
  mixIn(s, sh, 1.2, 1.0f);
  return finished(std::move(s), {0.6, 0.2}, {0.0, 0.8});
}

Stereo lightsOff(const RenderContext& c) {
  // A switch clicks and everything powers down with a falling tone.
  Stereo s = c.blank();
  Rng rng(c.seed);
  mixIn(s, drumHit(Drum::rim, c.rate, rng), 0.02, 1.0f);
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
