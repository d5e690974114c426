// The program's own effects through the real wave output: a click's sound reaches the sound card
// byte for byte, a drum loop repeats, and the MPEG effect plays through the system's codec.
#include <gtest/gtest.h>

#include "sound/effects/catalogue.h"
#include "sound/player/effect_player_win32.h"
#include "sound/player/wave_image.h"
#include "tests/win32/player/captured_output.h"
#include "tests/support/poll.h"

namespace {

ByteVector dataChunk(int number) {
  const auto wave = ParseWaveImage(builtInEffect(number));
  EXPECT_TRUE(wave.has_value()) << "FX-" << number;
  return wave ? ByteVector(wave->data.begin(), wave->data.end()) : ByteVector{};
}

bool voicesEnd() {
  return test_support::pollUntil([] { return TheEffectPlayer().playingVoices() == 0; }, std::chrono::seconds(60));
}

class BuiltInEffects : public testing::Test {
 protected:
  void TearDown() override { TheEffectPlayer().StopAndWait(); }
  CapturedOutput captured;
};

TEST_F(BuiltInEffects, ApplauseReachesTheSoundCardExactly) {
  const ByteVector data = dataChunk(7);
  ASSERT_TRUE(TheEffectPlayer().Play(builtInEffect(7)));
  ASSERT_TRUE(voicesEnd());
  ASSERT_EQ(captured.streamCount(), 1);
  EXPECT_GE(findRun(captured.stream(0), data), 0) << "FX-07's data chunk, whole and in one run";
}

TEST_F(BuiltInEffects, ADrumLoopPlaysItsBeatAgainUntilStopped) {
  const ByteVector data = dataChunk(41);
  ASSERT_TRUE(TheEffectPlayer().Play(builtInEffect(41), true));
  ASSERT_TRUE(test_support::pollUntil(
      [&] {
        const ByteVector out = captured.stream(0);
        const long long first = findRun(out, data);
        return first >= 0 && findRun(out, data, static_cast<std::size_t>(first) + data.size()) >= 0;
      },
      std::chrono::seconds(60)));
  TheEffectPlayer().Stop();
  ASSERT_TRUE(voicesEnd());
  EXPECT_EQ(captured.streamCount(), 1);
}

TEST_F(BuiltInEffects, TheMpegEffectPlaysThroughTheSystemsDecoder) {
  ASSERT_TRUE(TheEffectPlayer().Play(builtInEffect(49)));
  ASSERT_TRUE(voicesEnd());
  ASSERT_EQ(captured.streamCount(), 1);
  const ByteVector out = captured.stream(0);
  // 81 frames of 576 samples, 16-bit mono, decoded: sound, not silence.
  const auto sounding = std::count_if(out.begin(), out.end(), [](std::byte b) { return b != std::byte{0}; });
  EXPECT_GT(sounding, 81 * 576);
}

}  // namespace
