// The player on the real wave output under Wine, whose sound card writes every played byte to a
// file per opened stream.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "sound/player/effect_player_win32.h"
#include "tests/support/sound_images.h"
#include "tests/support/poll.h"
#include "tests/win32/player/captured_output.h"

using namespace test_images;

namespace {

// Samples that neither begin nor end with a zero byte, so silence around them cannot blur the run.
ByteVector distinctSamples(std::size_t size, std::uint32_t seed) {
  ByteVector data = samples(size, seed);
  data.front() = data.back() = std::byte{0x5A};
  return data;
}

bool voicesEnd() {
  return test_support::pollUntil([] { return TheEffectPlayer().playingVoices() == 0; });
}

class WaveOutputTest : public testing::Test {
 protected:
  void TearDown() override { TheEffectPlayer().StopAndWait(); }
  CapturedOutput captured;
};

TEST_F(WaveOutputTest, PlayWritesExactlyTheDataChunk) {
  // 11,025 Hz mono 8-bit, 14 full buffers and a short one; the chunks around "data" are not played.
  const ByteVector data = distinctSamples(15360 * 14 + 4321, 1);
  const ByteVector image = riffWave({chunk("fmt ", pcmFormat(1, 11025, 8)), chunk("fact", bytes({1, 2, 3, 4})),
                                     chunk("data", data), chunk("LIST", distinctSamples(300, 2))});
  ASSERT_TRUE(TheEffectPlayer().Play(image));
  ASSERT_TRUE(voicesEnd());
  ASSERT_EQ(captured.streamCount(), 1);
  const ByteVector out = captured.stream(0);
  const long long at = findRun(out, data);
  ASSERT_GE(at, 0);
  // Only silence around it.
  EXPECT_TRUE(std::all_of(out.begin(), out.begin() + at,
                          [](std::byte b) { return b == std::byte{0x80} || b == std::byte{0}; }));
  EXPECT_TRUE(std::all_of(out.begin() + at + static_cast<long long>(data.size()), out.end(),
                          [](std::byte b) { return b == std::byte{0x80} || b == std::byte{0}; }));
}

TEST_F(WaveOutputTest, LoopingImageRepeatsItsDataAfterABreak) {
  const ByteVector data = distinctSamples(15360 * 3 + 1000, 3);
  ASSERT_TRUE(TheEffectPlayer().Play(pcmWave(data), true));
  ASSERT_TRUE(test_support::pollUntil([&] {
    const ByteVector out = captured.stream(0);
    const long long first = findRun(out, data);
    return first >= 0 && findRun(out, data, static_cast<std::size_t>(first) + data.size()) >= 0;
  }));
  TheEffectPlayer().Stop();
  ASSERT_TRUE(voicesEnd());
  const ByteVector out = captured.stream(0);
  const std::size_t first = static_cast<std::size_t>(findRun(out, data));
  const std::size_t second = static_cast<std::size_t>(findRun(out, data, first + data.size()));
  // Nothing but silence between the two: the repetition starts after the first has played out.
  EXPECT_TRUE(std::all_of(out.begin() + static_cast<long long>(first + data.size()),
                          out.begin() + static_cast<long long>(second), [](std::byte b) { return b == std::byte{0}; }));
  EXPECT_EQ(captured.streamCount(), 1);
}

TEST_F(WaveOutputTest, StopEndsTheOutputPromptly) {
  // FX-20's size: 66.7 s of sound, a quarter of that under Wine.
  const ByteVector data = distinctSamples(2'940'000, 4);
  ASSERT_TRUE(TheEffectPlayer().Play(pcmWave(data)));
  ASSERT_TRUE(test_support::pollUntil([&] { return captured.stream(0).size() > 15360; }));
  TheEffectPlayer().Stop();
  ASSERT_TRUE(voicesEnd());
  const ByteVector out = captured.stream(0);
  // What was written is where the sound began, and far from all of it.
  const auto firstSound = std::find_if(out.begin(), out.end(), [](std::byte b) { return b != std::byte{0}; });
  ASSERT_NE(firstSound, out.end());
  const std::size_t played = static_cast<std::size_t>(out.end() - firstSound);
  EXPECT_LT(played, data.size() / 4);
  const std::size_t compared = std::min<std::size_t>(played, 15360);
  EXPECT_TRUE(std::equal(firstSound, firstSound + static_cast<long long>(compared), data.begin()));
  // The device is closed: nothing more arrives.
  EXPECT_EQ(captured.stream(0).size(), out.size());
}

TEST_F(WaveOutputTest, TwoPlaysSoundTogetherOnTwoStreams) {
  const ByteVector first = distinctSamples(15360 * 4, 5), second = distinctSamples(15360 * 2 + 77, 6);
  ASSERT_TRUE(TheEffectPlayer().Play(pcmWave(first)));
  ASSERT_TRUE(TheEffectPlayer().Play(riffWave({chunk("fmt ", pcmFormat(1, 44100, 8)), chunk("data", second)})));
  EXPECT_EQ(TheEffectPlayer().playingVoices(), 2u);
  ASSERT_TRUE(voicesEnd());
  ASSERT_EQ(captured.streamCount(), 2);
  EXPECT_GE(findRun(captured.stream(0), first), 0);
  EXPECT_GE(findRun(captured.stream(1), second), 0);
}

TEST_F(WaveOutputTest, ImageFromAFileNamedInGbk) {
  const ByteVector data = distinctSamples(5000, 7);
  const ByteVector image = pcmWave(data);
  const std::string name = "测试音效.wav";
  std::ofstream(name, std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
  EXPECT_FALSE(PlayEffectFile(""));
  EXPECT_FALSE(PlayEffectFile("没有这个文件.wav"));
  ASSERT_TRUE(PlayEffectFile(name));
  DeleteFileA(name.c_str());
  ASSERT_TRUE(voicesEnd());
  EXPECT_GE(findRun(captured.stream(0), data), 0);
}

TEST_F(WaveOutputTest, FormatTheDeviceCannotOpenGivesFalseAndLeavesNoVoice) {
  ByteVector unknown = pcmFormat(1, 11025, 8);
  unknown[0] = std::byte{0x34};  // a format tag no codec serves
  unknown[1] = std::byte{0x12};
  EXPECT_FALSE(TheEffectPlayer().Play(riffWave({chunk("fmt ", unknown), chunk("data", samples(1000))})));
  EXPECT_EQ(TheEffectPlayer().playingVoices(), 0u);
}

}  // namespace
