#include "sound/effects/tools/voice.h"

#include <algorithm>
#include <cmath>

#include "sound/effects/tools/dsp.h"

namespace {
// The four formant frequencies (Hz) of a man's vowel.
struct Formants {
  double f[4];
};

Formants formantsOf(Vowel v) {
  switch (v) {
    case Vowel::a: return {{730, 1090, 2440, 3400}};
    case Vowel::o: return {{570, 840, 2410, 3300}};
    case Vowel::e: return {{530, 1840, 2480, 3500}};
    case Vowel::i: return {{270, 2290, 3010, 3700}};
    case Vowel::u: return {{300, 870, 2240, 3300}};
    case Vowel::er: return {{500, 1500, 2500, 3400}};
  }
  return {{500, 1500, 2500, 3500}};
}

constexpr float kFormantGain[4] = {1.0f, 0.55f, 0.25f, 0.12f};

void renderSyllable(int rate, std::vector<float>& out, const Syllable& s, VoiceShape shape, Rng& rng) {
  const Formants fm = formantsOf(s.vowel);
  Biquad filters[4] = {Biquad::bandPass(rate, fm.f[0] * shape.formantScale, fm.f[0] / 90.0),
                       Biquad::bandPass(rate, fm.f[1] * shape.formantScale, fm.f[1] / 110.0),
                       Biquad::bandPass(rate, fm.f[2] * shape.formantScale, fm.f[2] / 160.0),
                       Biquad::bandPass(rate, fm.f[3] * shape.formantScale, fm.f[3] / 200.0)};
  Oscillator glottis(rate, rng.uniform()), vibrato(rate, rng.uniform()), growl(rate);
  const std::size_t first = std::size_t(std::max(0.0, s.start) * rate);
  const double total = s.aspirate + s.length;
  const std::size_t n = std::size_t(total * rate);
  double jitter = 0;
  for (std::size_t k = 0; k < n && first + k < out.size(); ++k) {
    const double t = double(k) / rate;
    const double voicedT = t - s.aspirate;
    const double share = std::clamp(voicedT / s.length, 0.0, 1.0);
    jitter = jitter * 0.995 + 0.005 * rng.bipolar();
    double f0 = s.pitchStart * std::pow(s.pitchEnd / s.pitchStart, share);
    f0 *= std::pow(2.0, (s.vibrato * vibrato.sine(5.5) + s.rough * 30.0 * jitter) / 12.0);
    float buzz = glottis.saw(f0);
    // A growl: every other glottal period weaker, which sounds an octave down and rough.
    if (s.rough > 0) buzz *= float(1.0 - s.rough * 0.5 * growl.square(f0 / 2));
    const float noise = rng.bipolar();
    float source;
    float env;
    if (voicedT < 0) {
      source = noise * 0.6f;
      env = float(std::min(1.0, t / 0.01));
    } else {
      source = float(buzz * (1.0 - s.breath) + noise * s.breath * 1.5);
      env = float(std::min({1.0, voicedT / 0.02 + (s.aspirate > 0 ? 0.5 : 0.0), (s.length - voicedT) / 0.05}));
    }
    float y = 0;
    for (int i = 0; i < 4; ++i) y += filters[i].step(source) * kFormantGain[i];
    out[first + k] += y * env * s.loudness * 2.5f;
  }
}
}  // namespace

std::vector<float> renderVoice(int rate, std::size_t frames, const std::vector<Syllable>& syllables, VoiceShape shape,
                               Rng& rng) {
  std::vector<float> out(frames, 0.0f);
  for (const Syllable& s : syllables) renderSyllable(rate, out, s, shape, rng);
  return out;
}
