// Every corpus file against libmpg123 within ISO/IEC 11172-4 full accuracy: RMS error below
// 2^-15/sqrt(12) of full scale, maximum error at most 2^-14, with the outputs the same length.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tests/unit/mp3/reference_decoder.h"

namespace {

using mp3test::corpusPath;

class Accuracy : public testing::TestWithParam<const char*> {};

TEST_P(Accuracy, MatchesLibmpg123WithinFullAccuracy) {
  const std::string path = corpusPath(GetParam());
  const auto bytes = mp3test::readFile(path);
  ASSERT_FALSE(bytes.empty()) << path;
  const auto ours = mp3test::decodeWithStream<float>(bytes);
  const auto reference = mp3test::decodeWithMpg123(path);

  ASSERT_EQ(ours.channels, reference.channels);
  ASSERT_EQ(ours.sampleRate, reference.sampleRate);
  ASSERT_EQ(ours.samples.size(), reference.samples.size()) << "gapless lengths differ";
  ASSERT_FALSE(ours.samples.empty());

  double squares = 0, worst = 0;
  for (size_t i = 0; i < ours.samples.size(); ++i) {
    const double e = static_cast<double>(ours.samples[i]) - reference.samples[i];
    squares += e * e;
    worst = std::max(worst, std::abs(e));
  }
  const double rms = std::sqrt(squares / static_cast<double>(ours.samples.size()));
  std::printf("%-32s rms %.5f LSB, max %.4f LSB\n", GetParam(), rms * 32768, worst * 32768);
  EXPECT_LT(rms, std::ldexp(1.0, -15) / std::sqrt(12.0));
  EXPECT_LE(worst, std::ldexp(1.0, -14));
}

TEST_P(Accuracy, SixteenBitOutputIsTheFloatOutputRounded) {
  const auto bytes = mp3test::readFile(corpusPath(GetParam()));
  const auto asFloat = mp3test::decodeWithStream<float>(bytes);
  const auto asInt = mp3test::decodeWithStream<int16_t>(bytes);
  ASSERT_EQ(asFloat.samples.size(), asInt.samples.size());
  size_t wrong = 0;
  for (size_t i = 0; i < asInt.samples.size(); ++i) {
    const double expected = std::nearbyint(std::clamp(asFloat.samples[i] * 32768.0, -32768.0, 32767.0));
    wrong += asInt.samples[i] != expected;
  }
  EXPECT_EQ(wrong, 0u);
}

TEST_P(Accuracy, SixteenBitOutputWithinOneStepOfLibmpg123) {
  const std::string path = corpusPath(GetParam());
  const auto ours = mp3test::decodeWithStream<int16_t>(mp3test::readFile(path));
  const auto reference = mp3test::decodeWithMpg123Int16(path);
  ASSERT_EQ(ours.samples.size(), reference.samples.size());
  int worst = 0;
  for (size_t i = 0; i < ours.samples.size(); ++i)
    worst = std::max(worst, std::abs(ours.samples[i] - reference.samples[i]));
  EXPECT_LE(worst, 1);
}

// The files make_corpus.sh encodes.
INSTANTIATE_TEST_SUITE_P(Corpus, Accuracy,
                         testing::Values("mpeg1-44k-stereo-cbr128.mp3", "mpeg1-44k-joint-ms-cbr128.mp3",
                                         "mpeg1-44k-joint-vbr.mp3", "mpeg1-44k-clicks-cbr320.mp3",
                                         "mpeg1-48k-clicks-vbr.mp3", "mpeg1-32k-mono-cbr32.mp3",
                                         "mpeg1-44k-free-640.mp3", "mpeg1-crc-cbr96.mp3", "mpeg2-22k-joint-cbr64.mp3",
                                         "mpeg2-24k-clicks-stereo96.mp3", "mpeg2-16k-mono-vbr.mp3",
                                         "mpeg25-11k-clicks-vbr.mp3", "mpeg25-12k-stereo-cbr32.mp3",
                                         "mpeg25-8k-mono-cbr8.mp3", "tagged-id3v2-id3v1.mp3",
                                         "junk-before-first-frame.mp3"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           name = name.substr(0, name.size() - 4);
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
