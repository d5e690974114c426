// Laughs, cries, shouts, screams, coughs and whistles from the formant voice.
#include <algorithm>
#include <cmath>
#include <utility>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/drums.h"
#include "sound/effects/tools/recipes.h"
#include "sound/effects/tools/voice.h"

namespace {
// "ha-ha-ha…": short aspirated syllables, each a little lower and softer than the one before.
double addLaugh(std::vector<Syllable>& out, double start, int count, double spacing, double pitch, Vowel vowel,
                Rng& rng, float loudness = 1.0f) {
  for (int k = 0; k < count; ++k) {
    const double p = pitch * std::pow(0.97, k) * rng.between(0.95, 1.06);
    out.push_back({start + k * spacing, spacing * 0.55, vowel, p * 1.05, p * 0.92, loudness * float(1.0 - 0.04 * k),
                   0.15, 0.035, 0.0, 0.05});
  }
  return start + count * spacing;
}

// One crying phrase "wa-aa-a…" with a shaky falling pitch, then a sobbing breath in.
double addCry(std::vector<Syllable>& out, double start, double length, double pitch, Rng& rng, float loudness = 1.0f) {
  out.push_back({start, length, rng.uniform() < 0.5 ? Vowel::a : Vowel::e, pitch * 1.15, pitch * 0.8, loudness, 0.2,
                 0.02, 0.8, 0.15});
  const double inhale = start + length + 0.08;
  out.push_back({inhale, 0.18, Vowel::i, pitch * 1.3, pitch * 1.4, loudness * 0.35f, 0.95, 0.0, 0.0, 0.0});
  return inhale + 0.3;
}

Stereo voiceAlone(const RenderContext& c, const std::vector<Syllable>& syllables, double formantScale, float pan = 0) {
  Rng rng(c.seed);
  Stereo s = c.blank();
  mixIn(s, renderVoice(c.rate, c.frames, syllables, {formantScale}, rng), 0.0, 1.0f, pan);
  return s;
}

// Crying phrases one after another, with lengths and pitches drawn from the given ranges.
Stereo cryingPhrases(const RenderContext& c, std::pair<double, double> length, std::pair<double, double> pitch,
                     double formantScale, double room) {
  Rng rng(c.seed);
  std::vector<Syllable> v;
  for (double t = 0.1; t < c.seconds() - 1.2;)
    t = addCry(v, t, rng.between(length.first, length.second), rng.between(pitch.first, pitch.second), rng);
  Stereo s = voiceAlone(c, v, formantScale);
  reverb(s, room, 0.15);
  return s;
}
}  // namespace

Stereo sorrowfulLaugh(const RenderContext& c) {
  // A laugh that breaks into a sob.
  Rng rng(c.seed);
  std::vector<Syllable> v;
  double t = addLaugh(v, 0.05, 6, 0.17, 170, Vowel::a, rng);
  for (Syllable& s : v) s.vibrato = 0.6, s.breath = 0.3;
  addCry(v, t + 0.05, c.seconds() - t - 0.5, 160, rng, 0.8f);
  return voiceAlone(c, v, 1.0);
}

Stereo childLaugh(const RenderContext& c) {
  Rng rng(c.seed);
  std::vector<Syllable> v;
  double t = addLaugh(v, 0.05, 7, 0.13, 420, Vowel::i, rng);
  t = addLaugh(v, t + 0.15, 6, 0.14, 380, Vowel::a, rng, 0.9f);
  v.push_back({t + 0.05, 0.35, Vowel::i, 520, 380, 0.6f, 0.3, 0.05, 0.5, 0.0});
  return voiceAlone(c, v, 1.3);
}

Stereo womanCrying(const RenderContext& c) { return cryingPhrases(c, {0.8, 1.4}, {300, 360}, 1.17, 0.4); }

Stereo brokenSobbing(const RenderContext& c) {
  // Short sobs "uh-uh-uh" in bursts, broken by gasps.
  Rng rng(c.seed);
  std::vector<Syllable> v;
  double t = 0.1;
  while (t < c.seconds() - 1.0) {
    const int sobs = int(rng.between(3, 6));
    for (int k = 0; k < sobs; ++k, t += 0.22)
      v.push_back({t, 0.15, Vowel::u, 330 - 10.0 * k, 280 - 10.0 * k, 0.8f, 0.4, 0.02, 0.5, 0.1});
    t = addCry(v, t + 0.05, rng.between(0.5, 0.9), 320, rng, 0.9f) + rng.between(0.2, 0.6);
  }
  return voiceAlone(c, v, 1.17);
}

Stereo girlCrying(const RenderContext& c) { return cryingPhrases(c, {0.7, 1.3}, {380, 450}, 1.25, 0.3); }

Stereo babyCrying(const RenderContext& c) {
  // "Wah-ah, wah-ah": strained, high and regular, with quick breaths between.
  Rng rng(c.seed);
  std::vector<Syllable> v;
  for (double t = 0.1; t < c.seconds() - 1.0;) {
    const double len = rng.between(0.6, 1.0);
    v.push_back({t, len, Vowel::a, 520, 440, 1.0f, 0.12, 0.0, 0.5, 0.35});
    v.push_back({t + len + 0.05, 0.12, Vowel::e, 600, 620, 0.3f, 0.9, 0.0, 0.0, 0.0});
    t += len + 0.3;
  }
  return voiceAlone(c, v, 1.45);
}

Stereo manShouting(const RenderContext& c) {
  // "Hey! Hey — oh!"
  std::vector<Syllable> v{{0.05, 0.45, Vowel::e, 230, 200, 1.0f, 0.12, 0.04, 0.0, 0.25},
                          {0.7, 0.45, Vowel::e, 240, 210, 1.0f, 0.12, 0.04, 0.0, 0.25},
                          {1.3, 0.85, Vowel::o, 260, 160, 1.0f, 0.15, 0.0, 0.3, 0.3}};
  Stereo s = voiceAlone(c, v, 1.0);
  return finished(std::move(s), {0.4, 0.15}, {0.0, 0.0});
}

Stereo disdainfulOh(const RenderContext& c) {
  // A drawn-out "oh~" that falls and curls up at the end: "is that so".
  std::vector<Syllable> v{{0.05, 0.9, Vowel::o, 260, 180, 1.0f, 0.25, 0.0, 0.0, 0.05},
                          {0.95, c.seconds() - 1.1, Vowel::o, 180, 290, 0.9f, 0.3, 0.0, 0.3, 0.05}};
  return voiceAlone(c, v, 1.17);
}

Stereo dryCough(const RenderContext& c) {
  // Bouts of two or three hacking coughs, a throat-clearing now and then.
  Rng rng(c.seed);
  std::vector<Syllable> v;
  for (double t = 0.2; t < c.seconds() - 1.0;) {
    const int coughs = int(rng.between(2, 4));
    for (int k = 0; k < coughs; ++k, t += rng.between(0.25, 0.35))
      v.push_back({t, rng.between(0.1, 0.16), Vowel::er, 140, 110, 1.0f, 0.85, 0.015, 0.0, 0.5});
    if (rng.uniform() < 0.4) v.push_back({t + 0.2, 0.5, Vowel::er, 110, 95, 0.5f, 0.6, 0.0, 0.0, 0.8}), t += 0.6;
    // Wheezing breath in before the next bout.
    v.push_back({t + 0.1, 0.6, Vowel::i, 150, 150, 0.25f, 1.0, 0.0, 0.0, 0.0});
    t += rng.between(0.8, 1.2);
  }
  Stereo s = voiceAlone(c, v, 1.0);
  return finished(std::move(s), {0.3, 0.12}, {0.0, 0.0});
}

Stereo whippingMan(const RenderContext& c) {
  // Whoosh, crack, and a man's cry of pain; again and again.
  Stereo s = c.blank();
  Rng rng(c.seed);
  std::vector<Syllable> cries;
  for (double t = 0.3; t < c.seconds() - 2.0; t += rng.between(1.4, 1.9)) {
    std::vector<float> lash(std::size_t(0.3 * c.rate));
    Biquad swish = Biquad::bandPass(c.rate, 1500, 1.0), crack = Biquad::highPass(c.rate, 1200);
    for (std::size_t i = 0; i < lash.size(); ++i) {
      const double u = double(i) / c.rate;
      const double whoosh = u < 0.22 ? std::pow(u / 0.22, 2.0) * 0.4 : 0.0;
      const double snap = u >= 0.22 ? std::exp(-(u - 0.22) / 0.006) * 1.5 : 0.0;
      lash[i] = float(swish.step(rng.bipolar()) * whoosh + crack.step(rng.bipolar()) * snap);
    }
    mixIn(s, lash, t, 1.0f, float(rng.between(-0.3, 0.3)));
    const double p = rng.between(200, 260);
    cries.push_back({t + 0.3, rng.between(0.5, 0.9), rng.uniform() < 0.5 ? Vowel::a : Vowel::o, p * 1.3, p * 0.8, 0.8f,
                     0.2, 0.02, 0.5, 0.45});
    // Then a groan and heavy breathing until the next lash.
    cries.push_back({t + 1.0, 0.5, Vowel::u, p * 0.6, p * 0.5, 0.4f, 0.5, 0.0, 0.3, 0.6});
  }
  mixIn(s, renderVoice(c.rate, c.frames, cries, {1.0}, rng), 0.0, 0.7f, 0.0f);
  return finished(std::move(s), {0.4, 0.15}, {0.0, 0.0});
}

Stereo whistleDuel(const RenderContext& c) {
  // Two whistlers answering each other with trills, glides and warbles, one left, one right.
  Stereo s = c.blank();
  Rng rng(c.seed);
  int who = 0;
  for (double t = 0.2; t < c.seconds() - 1.2; who ^= 1) {
    const double len = rng.between(1.0, 2.0);
    const double base = who ? rng.between(1300, 1600) : rng.between(1700, 2100);
    const int figure = int(rng.between(0, 3));
    std::vector<float> phrase(std::size_t(len * c.rate));
    Oscillator osc(c.rate), lfo(c.rate);
    Biquad breath = Biquad::bandPass(c.rate, base, 4);
    for (std::size_t i = 0; i < phrase.size(); ++i) {
      const double u = double(i) / c.rate;
      double hz = base;
      if (figure == 0)
        hz *= 1.0 + 0.08 * lfo.square(9.0);  // trill
      else if (figure == 1)
        hz *= std::pow(1.6, std::sin(M_PI * u / len)) * 0.8;  // glide up and down
      else
        hz *= 1.0 + 0.03 * lfo.sine(6.0) + 0.2 * u / len;  // warble rising
      const double env = std::min({1.0, u / 0.03, (len - u) / 0.08});
      phrase[i] = float((osc.sine(hz) + 0.15 * breath.step(rng.bipolar())) * env);
    }
    mixIn(s, phrase, t, 0.8f, who ? 0.6f : -0.6f);
    t += len + rng.between(0.15, 0.4);
  }
  return finished(std::move(s), {0.5, 0.2}, {0.0, 0.0});
}
