// What the embedded effects sound like, as far as numbers can tell: levels, seamless drum loops,
// the telephone tones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sound/effects/catalogue.h"
#include "tests/unit/effects/goertzel.h"
#include "tests/unit/effects/riff_reader.h"

namespace {

struct Pcm {
  int channels = 0, rate = 0, bits = 0;
  std::vector<float> samples;  // interleaved
  std::size_t frames() const { return samples.size() / std::size_t(channels); }
};

Pcm decode(int fx) {
  const auto image = octets(builtInEffect(fx));
  std::size_t consumed = 0;
  Pcm pcm;
  for (const auto& c : walkChunks(image, consumed)) {
    if (c.id == "fmt ") {
      pcm.channels = int(le16(image, c.bodyAt + 2));
      pcm.rate = int(le32(image, c.bodyAt + 4));
      pcm.bits = int(le16(image, c.bodyAt + 14));
    }
    if (c.id == "data") pcm.samples = pcmSamples(image.subspan(c.bodyAt, c.size), pcm.bits);
  }
  return pcm;
}

TEST(EffectLevels, EveryPcmEffectPeaksNearMinusOneDbWithoutClippingOrLongSilence) {
  for (int fx = 1; fx <= kBuiltInEffectCount; ++fx) {
    if (fx == 49) continue;  // MPEG Layer-3: its level is set before encoding
    const Pcm pcm = decode(fx);
    float peak = 0;
    int run = 0, clippedRuns = 0;
    for (float v : pcm.samples) {
      peak = std::max(peak, std::fabs(v));
      run = std::fabs(v) >= 0.99f ? run + 1 : 0;
      clippedRuns += run == 3;
    }
    const double peakDb = 20 * std::log10(peak);
    EXPECT_GT(peakDb, -1.5) << "FX-" << fx;
    EXPECT_LT(peakDb, -0.5) << "FX-" << fx;
    EXPECT_EQ(clippedRuns, 0) << "FX-" << fx;
    // Share of 50 ms windows quieter than -50 dBFS.
    const std::size_t window = std::size_t(pcm.rate / 20 * pcm.channels);
    int windows = 0, silent = 0;
    for (std::size_t at = 0; at + window <= pcm.samples.size(); at += window, ++windows) {
      double e = 0;
      for (std::size_t i = at; i < at + window; ++i) e += double(pcm.samples[i]) * pcm.samples[i];
      silent += std::sqrt(e / double(window)) < std::pow(10.0, -50.0 / 20);
    }
    EXPECT_LT(silent * 2, windows) << "FX-" << fx << " is silent over most of its length";
  }
}

TEST(DrumLoops, RepeatWithoutAClickAtTheSeam) {
  for (int fx : {41, 31, 63, 43, 32, 64, 11, 23, 22}) {
    const Pcm pcm = decode(fx);
    const std::size_t n = pcm.frames();
    for (int ch = 0; ch < pcm.channels; ++ch) {
      auto at = [&](std::size_t i) { return pcm.samples[i * std::size_t(pcm.channels) + std::size_t(ch)]; };
      // The step from the last sample back to the first is no larger than the ordinary steps
      // inside the loop.
      std::vector<float> steps;
      for (std::size_t i = 1; i < n; ++i) steps.push_back(std::fabs(at(i) - at(i - 1)));
      std::nth_element(steps.begin(), steps.begin() + std::ptrdiff_t(steps.size() * 99 / 100), steps.end());
      const float usual = steps[steps.size() * 99 / 100];
      EXPECT_LE(std::fabs(at(0) - at(n - 1)), usual) << "FX-" << fx << " channel " << ch;
    }
    // A steady beat: something strikes in each quarter of the loop.
    for (int q = 0; q < 4; ++q) {
      float peak = 0;
      for (std::size_t i = n * std::size_t(q) / 4 * std::size_t(pcm.channels);
           i < n * std::size_t(q + 1) / 4 * std::size_t(pcm.channels); ++i)
        peak = std::max(peak, std::fabs(pcm.samples[i]));
      EXPECT_GT(peak, 0.15f) << "FX-" << fx << " quarter " << q;
    }
  }
}

TEST(TelephoneEffects, LineTonesAre450HzAndTheBusyToneBeatsEvery350Ms) {
  // FX-13 is a telephone bell ringing, not a line tone.
  for (int fx : {6, 57}) {
    const Pcm pcm = decode(fx);
    const std::size_t window = std::size_t(pcm.rate / 10);
    EXPECT_GT(toneShare(pcm.samples, std::size_t(pcm.rate / 10), window, 450, pcm.rate, 2), 0.2) << "FX-" << fx;
    EXPECT_LT(toneShare(pcm.samples, std::size_t(pcm.rate / 10), window, 600, pcm.rate, 2), 0.02) << "FX-" << fx;
  }
  const Pcm busy = decode(57);
  auto loudness = [&](double from, double to) {
    double e = 0;
    for (std::size_t i = std::size_t(from * busy.rate); i < std::size_t(to * busy.rate); ++i)
      e += std::pow(busy.samples[2 * i], 2);
    return e;
  };
  for (int beat = 0; beat < 3; ++beat) {
    const double on = beat * 0.7;
    EXPECT_GT(loudness(on + 0.05, on + 0.3), 100 * loudness(on + 0.4, on + 0.65)) << "beat " << beat;
  }
}

TEST(TelephoneEffects, PhoneKeysSoundTheDtmfPairsOfTheirDigits) {
  const Pcm keys = decode(18);
  const double low[4] = {697, 770, 852, 941}, high[4] = {1209, 1336, 1477, 1633};
  // Scan in 40 ms windows; a key is heard where one low and one high DTMF tone carry the sound.
  const std::size_t window = std::size_t(keys.rate / 25);
  int keyWindows = 0;
  for (std::size_t at = 0; at + window < keys.frames(); at += window) {
    double bestLow = 0, bestHigh = 0;
    for (int k = 0; k < 4; ++k) {
      bestLow = std::max(bestLow, toneShare(keys.samples, at, window, low[k], keys.rate, 2));
      bestHigh = std::max(bestHigh, toneShare(keys.samples, at, window, high[k], keys.rate, 2));
    }
    keyWindows += bestLow > 0.1 && bestHigh > 0.1;
  }
  EXPECT_GE(keyWindows, 17 * 3) << "17 key presses of at least 160 ms";
}

}  // namespace
