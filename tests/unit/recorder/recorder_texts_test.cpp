// The recorder window's texts: the elapsed-time caption's rounding and the saved file's name.
#include "audio/recorder/recorder_texts.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(RecorderTexts, TheCaptionShowsRoundedSecondsAndNothingWithoutADevice) {
  const RecordFormat mono8k{1, 8000, 16}, stereo44k{2, 44100, 16};
  struct Case {
    std::int64_t position;
    RecordFormat format;
    std::optional<std::string> caption;
  };
  const Case cases[] = {
      {0, mono8k, "已经录制时间(秒):0"},
      {32000, mono8k, "已经录制时间(秒):2"},
      {24000, mono8k, "已经录制时间(秒):1.5"},
      {176400 * 2 + 882, stereo44k, "已经录制时间(秒):2.01"},  // 2.005: the tolerance rounds it up
      {176400 * 2 + 880, stereo44k, "已经录制时间(秒):2"},
      {4294967252, stereo44k, "已经录制时间(秒):24347.89"},  // past what 32 bits hold as signed
      {-1, stereo44k, std::nullopt},                         // no device: the caption stays
  };
  for (const Case& c : cases) EXPECT_EQ(elapsedTimeCaption(c.position, c.format), c.caption) << c.position;
  EXPECT_EQ(roundedHundredths(-0.125), -0.13) << "halves away from zero";
}

TEST(RecorderTexts, WavIsAddedOnlyWhenTheChosenNameHasNoExtension) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\录音\\节目", "C:\\录音\\节目.wav"},     {"C:\\录音\\节目.wav", "C:\\录音\\节目.wav"},
      {"C:\\录音\\节目.WAV", "C:\\录音\\节目.WAV"}, {"C:\\a.b\\show", "C:\\a.b\\show.wav"},
      {"D:\\show.\x95\x5c", "D:\\show.\x95\x5c"},  // a trail byte that looks like a backslash
      {"D:\\\x95\x5c.", "D:\\\x95\x5c."},
  };
  for (const auto& [chosen, saved] : cases) EXPECT_EQ(withWavExtension(chosen), saved) << chosen;
}

TEST(RecorderTexts, AFailedSaveSaysSoAndWhy) {
  EXPECT_EQ(saveFailedText(SaveFailure::none), "");
  std::set<std::string> texts;
  for (const SaveFailure f :
       {SaveFailure::fileExists, SaveFailure::cannotCreate, SaveFailure::writeFailed, SaveFailure::captureLost}) {
    const std::string text = saveFailedText(f);
    EXPECT_EQ(text.rfind("录音文件没有保存成功。\n", 0), 0u);
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), 4u) << "each failure gives its own reason";
}

}  // namespace
