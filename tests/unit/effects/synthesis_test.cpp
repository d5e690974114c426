// The synthesiser's building blocks where a fault would not be heard until someone listened.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sound/effects/tools/drums.h"
#include "sound/effects/tools/pcm.h"
#include "sound/effects/tools/telephone.h"
#include "sound/effects/tools/voice.h"
#include "sound/effects/tools/wav_image.h"
#include "tests/unit/effects/goertzel.h"

namespace {

double energy(const std::vector<float>& x, std::size_t from, std::size_t to) {
  double e = 0;
  for (std::size_t i = from; i < to; ++i) e += double(x[i]) * x[i];
  return e;
}

TEST(Telephone, EachKeySoundsItsTwoDtmfFrequenciesAndNoOther) {
  const double all[8] = {697, 770, 852, 941, 1209, 1336, 1477, 1633};
  for (char key : std::string_view("123A456B789C*0#D")) {
    Stereo s(8000, 800);
    addKeyTone(s, key, 0.0, 0.1, 1.0f);
    const auto [low, high] = dtmfPair(key);
    for (double hz : all) {
      const double share = toneShare(s.left, 100, 600, hz, 8000);
      if (hz == low || hz == high) {
        EXPECT_GT(share, 0.2) << key << " " << hz;
      } else {
        EXPECT_LT(share, 0.01) << key << " " << hz;
      }
    }
  }
  EXPECT_EQ(dtmfPair('x'), (std::pair<double, double>{0, 0}));
}

TEST(Telephone, BusyToneIsOnAndOffEvery350Ms) {
  const int rate = 8000;
  Stereo s(rate, 2 * rate);
  addLineTone(s, 0.0, 2.0, kBusyTone, 1.0f);
  for (int beat = 0; beat < 2; ++beat) {
    const double on = beat * 0.7;
    EXPECT_GT(toneShare(s.left, std::size_t((on + 0.05) * rate), 2000, kLineToneHz, rate), 0.4) << beat;
    EXPECT_EQ(energy(s.left, std::size_t((on + 0.351) * rate), std::size_t((on + 0.699) * rate)), 0.0) << beat;
  }
}

TEST(Voice, SoundsAtThePitchItIsGiven) {
  const int rate = 11025;
  for (double pitch : {110.0, 220.0, 400.0}) {
    Rng rng(3);
    const auto v = renderVoice(rate, rate, {{0.0, 1.0, Vowel::a, pitch, pitch, 1.0f, 0.0}}, {1.0}, rng);
    // The pitch period is the first lag whose autocorrelation comes near the strongest (whole
    // multiples of the period score as high).
    std::vector<double> score;
    const std::size_t shortest = std::size_t(rate / 600.0), longest = std::size_t(rate / 80.0);
    for (std::size_t lag = shortest; lag < longest; ++lag) {
      double sum = 0;
      for (std::size_t i = 2000; i < 8000; ++i) sum += double(v[i]) * v[i + lag];
      score.push_back(sum);
    }
    const double top = *std::max_element(score.begin(), score.end());
    std::size_t best = shortest;
    while (score[best - shortest] < 0.9 * top) ++best;
    EXPECT_NEAR(double(rate) / double(best), pitch, pitch * 0.03) << pitch;
  }
}

TEST(Pcm, SamplesAreRoundedHeldInRangeAndFoldedForMono) {
  Stereo s(8000, 5);
  s.left = {0.0f, 0.5f, -0.5f, 1.5f, -1.5f};
  s.right = {0.0f, 0.5f, 0.5f, 1.5f, -1.5f};
  EXPECT_EQ(encodePcm(s, 1, 8, 5), (Bytes{128, 192, 128, 255, 0}));
  EXPECT_EQ(encodePcm(s, 2, 16, 2), (Bytes{0, 0, 0, 0, 0x00, 0x40, 0x00, 0x40}));
  EXPECT_EQ(encodePcm(s, 1, 16, 7).size(), 14u) << "padded with silence to the frame count";
}

TEST(Pcm, LevelsOfHalfASecondOfSineAndHalfOfSilence) {
  Stereo s(8000, 8000);
  for (std::size_t i = 0; i < 4000; ++i)
    s.left[i] = s.right[i] = float(0.5 * std::sin(2 * M_PI * 500 * double(i) / 8000));
  const Levels lv = measurePcm(encodePcm(s, 2, 16, 8000), 2, 16, 8000);
  EXPECT_NEAR(lv.peakDb, -6.02, 0.05);
  EXPECT_NEAR(lv.rmsDb, -12.04, 0.05);
  EXPECT_NEAR(lv.silentShare, 0.5, 0.02);
  EXPECT_EQ(lv.clippedRuns, 0u);
  Stereo loud(8000, 100);
  for (std::size_t i = 0; i < 100; ++i) loud.left[i] = loud.right[i] = i < 10 ? 2.0f : 0.0f;
  EXPECT_EQ(measurePcm(encodePcm(loud, 1, 8, 100), 1, 8, 8000).clippedRuns, 1u);
}

TEST(WavImage, OddChunksArePaddedAndTheRiffSizeCoversAll) {
  const Bytes image =
      buildWavImage(pcmFormat(1, 8000, 8, false), {}, Bytes{1, 2, 3}, {makeChunk("fact", {4, 0, 0, 0})});
  ASSERT_EQ(image.size(), 12u + 24u + 8u + 4u + 12u);
  EXPECT_EQ(image[4], image.size() - 8);
  EXPECT_EQ(image[47], 0) << "pad byte after the 3 data bytes";
  EXPECT_EQ(std::string(image.begin() + 48, image.begin() + 52), "fact");
}

}  // namespace
