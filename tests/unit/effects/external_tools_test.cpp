// The borrowed programs: espeak-ng's words and lame's frames, as the build uses them.
#include "sound/effects/tools/external_tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

const ExternalTools kTools{.espeak = LANXING_TEST_ESPEAK, .lame = LANXING_TEST_LAME, .workDir = LANXING_TEST_WORK};

TEST(ExternalTools, SpeechComesAtTheAskedRateWithoutLeadingSilence) {
  const SpeechRequest words{u8"哇，不错哦", "cmn", 150, 50};
  const auto at11k = speak(kTools, words, 11025);
  const auto at48k = speak(kTools, words, 48000);
  ASSERT_GT(at11k.size(), 11025u / 2) << "about a second and a half of speech";
  EXPECT_LT(at11k.size(), 11025u * 4);
  EXPECT_NEAR(double(at48k.size()) / double(at11k.size()), 48000.0 / 11025.0, 0.01);
  const auto firstMs = std::max_element(at11k.begin(), at11k.begin() + 110,
                                        [](float a, float b) { return std::fabs(a) < std::fabs(b); });
  EXPECT_GE(std::fabs(*firstMs), 0.004f) << "sound within the first 10 ms";
  EXPECT_EQ(speak(kTools, words, 11025), at11k) << "the same words give the same samples";
}

TEST(ExternalTools, AStreamedWavWithoutASizeIsReadToItsEnd) {
  // espeak-ng writing to a pipe cannot fill in the data size; it leaves 0xFFFFFFFF.
  const Bytes wav = {'R', 'I', 'F', 'F', 0xFF, 0xFF, 0xFF, 0xFF, 'W',  'A',  'V',  'E',  'f',  'm',  't',  ' ',
                     16,  0,   0,   0,   1,    0,    1,    0,    0x22, 0x56, 0,    0,    0x44, 0xAC, 0,    0,
                     2,   0,   16,  0,   'd',  'a',  't',  'a',  0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x40, 0x00, 0xC0};
  int rate = 0;
  const auto samples = decodePcm16(wav, rate);
  EXPECT_EQ(rate, 22050);
  EXPECT_EQ(samples, (std::vector<float>{0.5f, -0.5f}));
}

TEST(ExternalTools, Layer3IsExactlyTheAskedFramesOf96Bytes) {
  std::vector<float> tone(81 * 576 - 1393);
  for (std::size_t i = 0; i < tone.size(); ++i) tone[i] = float(0.5 * std::sin(2 * M_PI * 440 * double(i) / 24000));
  const Bytes frames = encodeLayer3(kTools, tone, 81);
  ASSERT_EQ(frames.size(), 81u * 96u);
  for (std::size_t at = 0; at < frames.size(); at += 96) EXPECT_EQ(frames[at], 0xFF) << at;
  EXPECT_EQ(encodeLayer3(kTools, tone, 40).size(), 40u * 96u) << "a longer stream is cut";
  EXPECT_THROW(encodeLayer3(kTools, std::vector<float>(2000, 0.0f), 81), std::runtime_error) << "too short";
}

}  // namespace
