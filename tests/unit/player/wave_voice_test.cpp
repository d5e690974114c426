// The feeder, end to end against a device that completes buffers on its own thread.
#include <gtest/gtest.h>

#include "sound/player/effect_player.h"
#include "tests/support/device/fake_wave_output.h"
#include "tests/support/poll.h"
#include "tests/support/sound_images.h"
#include "tests/unit/player/fake_midi_output.h"

using namespace test_images;
using namespace std::chrono_literals;

namespace {

// FX-20, the largest effect: 191 full buffers and one of 6,240 bytes.
constexpr std::size_t kLargestData = 2'940'000;

class WaveVoiceTest : public testing::Test {
 protected:
  [[nodiscard]] bool allVoicesEnd() {
    return test_support::pollUntil([&] { return player.playingVoices() == 0; }, 5s);
  }

  FakeWaveOutput device;
  FakeMidiOutput midi;
  EffectPlayer player{device, midi};
};

TEST_F(WaveVoiceTest, LargestEffectPlaysInFullInFullBuffersAndAShortLastOne) {
  const ByteVector data = samples(kLargestData);
  ASSERT_TRUE(player.Play(pcmWave(data)));
  ASSERT_TRUE(allVoicesEnd());
  const WaveOutRecord r = device.record(0);
  EXPECT_EQ(r.format, DeviceWaveFormat(pcmFormat(2, 11025, 16)))
      << "the device gets the format with its extra-size field";
  ASSERT_EQ(r.lengths.size(), 192u);
  for (std::size_t i = 0; i < 191; ++i) ASSERT_EQ(r.lengths[i], 15360u) << i;
  EXPECT_EQ(r.lengths.back(), 6240u);
  EXPECT_TRUE(r.written == data);
  EXPECT_LE(*std::max_element(r.queuedAtWrite.begin(), r.queuedAtWrite.end()), 19u);  // never more than 20 queued
  EXPECT_EQ(r.completed, 192u);
  EXPECT_EQ(r.resets, 0);
  EXPECT_EQ(r.misuses, 0);
  EXPECT_EQ(r.queuedAtClose, 0u);
  EXPECT_TRUE(r.closed);
}

TEST_F(WaveVoiceTest, SoundsShorterThanOneBufferAndExactMultiplesPlayWhole) {
  for (std::size_t size :
       {std::size_t{1}, std::size_t{7484}, std::size_t{15360}, std::size_t{15360 * 20}, std::size_t{15360 * 21 + 1}}) {
    SCOPED_TRACE(size);
    const ByteVector data = samples(size, static_cast<std::uint32_t>(size));
    ASSERT_TRUE(player.Play(pcmWave(data)));
    ASSERT_TRUE(allVoicesEnd());
    const WaveOutRecord r = device.records().back();
    EXPECT_TRUE(r.written == data);
    EXPECT_EQ(r.lengths.size(), (size + 15359) / 15360);
    EXPECT_EQ(r.misuses, 0);
    EXPECT_EQ(r.queuedAtClose, 0u);
    EXPECT_TRUE(r.closed);
  }
}

TEST_F(WaveVoiceTest, LoopDrainsCompletelyThenRestartsFromTheStart) {
  const ByteVector data = samples(15360 * 25 + 100);  // 26 buffers: more than one block's worth
  ASSERT_TRUE(player.Play(pcmWave(data), true));
  ASSERT_TRUE(device.waitFor([&](const auto& rs) { return rs[0].written.size() >= 3 * data.size(); }));
  player.Stop();
  ASSERT_TRUE(allVoicesEnd());
  const WaveOutRecord r = device.record(0);
  for (std::size_t pass = 0; pass < 3; ++pass) {
    SCOPED_TRACE(pass);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), r.written.begin() + pass * data.size()));
    // The first buffer of each pass goes to an idle device: the pass before has played out.
    EXPECT_EQ(r.queuedAtWrite[pass * 26], 0u);
    EXPECT_EQ(r.lengths[pass * 26 + 25], 100u);
  }
  EXPECT_EQ(r.resets, 1);
  EXPECT_EQ(r.misuses, 0);
  EXPECT_EQ(r.queuedAtClose, 0u);
  EXPECT_TRUE(r.closed);
}

TEST_F(WaveVoiceTest, StopRightAfterStartQueuesTheFirstTwentyBuffersThenEnds) {
  device.holdCompletions(true);  // nothing comes back: the stop must be what ends the voice
  ASSERT_TRUE(player.Play(pcmWave(samples(kLargestData))));
  player.Stop();
  ASSERT_TRUE(allVoicesEnd());
  const WaveOutRecord r = device.record(0);
  EXPECT_EQ(r.lengths.size(), 20u);
  EXPECT_EQ(r.resets, 1);
  EXPECT_EQ(r.completed, 20u);  // returned by the reset
  EXPECT_EQ(r.misuses, 0);
  EXPECT_EQ(r.queuedAtClose, 0u);
  EXPECT_TRUE(r.closed);
}

TEST_F(WaveVoiceTest, StopWithNothingPlayingDoesNothing) {
  player.Stop();
  player.StopAndWait();
  EXPECT_TRUE(device.records().empty());
  EXPECT_EQ(player.playingVoices(), 0u);
}

TEST_F(WaveVoiceTest, SeveralVoicesPlayTogetherEachOnItsOwnStream) {
  std::vector<ByteVector> sounds;
  for (std::uint32_t i = 0; i < 6; ++i) sounds.push_back(samples(40000 + 5000 * i, i + 1));
  device.holdCompletions(true);
  for (const ByteVector& s : sounds) ASSERT_TRUE(player.Play(pcmWave(s)));
  EXPECT_EQ(player.playingVoices(), sounds.size());  // all at once: none ends while held
  device.holdCompletions(false);
  ASSERT_TRUE(allVoicesEnd());
  const std::vector<WaveOutRecord> rs = device.records();
  ASSERT_EQ(rs.size(), sounds.size());
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    EXPECT_TRUE(rs[i].written == sounds[i]) << i;
    EXPECT_EQ(rs[i].misuses, 0) << i;
    EXPECT_EQ(rs[i].queuedAtClose, 0u) << i;
  }
}

TEST_F(WaveVoiceTest, StopAndWaitReturnsOnlyWhenEveryVoiceHasClosedItsDevice) {
  device.holdCompletions(true);
  for (std::uint32_t i = 0; i < 5; ++i) ASSERT_TRUE(player.Play(pcmWave(samples(400000, i)), true));
  player.StopAndWait();
  EXPECT_EQ(player.playingVoices(), 0u);
  for (const WaveOutRecord& r : device.records()) {
    EXPECT_TRUE(r.closed);
    EXPECT_EQ(r.resets, 1);
    EXPECT_EQ(r.misuses, 0);
    EXPECT_EQ(r.queuedAtClose, 0u);
  }
}

TEST_F(WaveVoiceTest, DeviceThatRefusesTheFormatLeavesNoVoice) {
  device.refuseOpen(true);
  EXPECT_FALSE(player.Play(pcmWave(samples(1000))));
  EXPECT_EQ(player.playingVoices(), 0u);
}

TEST(WaveVoiceStall, VoiceEndsItselfWhenNoBufferComesBackWithinTheLimit) {
  FakeWaveOutput device;
  FakeMidiOutput midi;
  EffectPlayer player{device, midi, 30ms};
  device.holdCompletions(true);
  ASSERT_TRUE(player.Play(pcmWave(samples(kLargestData)), true));
  ASSERT_TRUE(device.waitFor([](const auto& rs) { return rs[0].closed; }));
  const WaveOutRecord r = device.record(0);
  EXPECT_EQ(r.lengths.size(), 20u);
  EXPECT_EQ(r.resets, 1);
  EXPECT_EQ(r.misuses, 0);
  EXPECT_EQ(r.queuedAtClose, 0u);
}

}  // namespace
