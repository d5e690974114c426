// What Play dispatches where, what it refuses, and what Stop reaches.
#include "sound/player/effect_player.h"

#include <gtest/gtest.h>

#include "tests/support/device/fake_wave_output.h"
#include "tests/support/sound_images.h"
#include "tests/unit/player/fake_midi_output.h"

using namespace test_images;

namespace {

const ByteVector kMidi = midiFile(0, 96, {bytes({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00})});

class EffectPlayerTest : public testing::Test {
 protected:
  FakeWaveOutput device;
  FakeMidiOutput midi;
  // Before the player: its destructor stops the audio file once more, and the count must still be there.
  int audioFileStops = 0;
  EffectPlayer player{device, midi};
};

struct Refused {
  const char* name;
  ByteVector image;
  friend void PrintTo(const Refused& c, std::ostream* os) { *os << c.name; }
};

class RefusedSounds : public testing::TestWithParam<Refused> {};

// Refusals open nothing and leave what plays alone.
TEST_P(RefusedSounds, GiveFalseAndDisturbNothing) {
  FakeWaveOutput device;
  FakeMidiOutput midi;
  EffectPlayer player{device, midi};
  device.holdCompletions(true);
  ASSERT_TRUE(player.Play(pcmWave(samples(100000)), true));
  ASSERT_TRUE(player.Play(kMidi));

  EXPECT_FALSE(player.Play(GetParam().image));
  EXPECT_EQ(device.records().size(), 1u);
  EXPECT_EQ(player.playingVoices(), 1u);
  EXPECT_EQ(midi.started().size(), 1u);
  EXPECT_EQ(midi.alive(), 1);
  EXPECT_EQ(device.record(0).resets, 0);
}

INSTANTIATE_TEST_SUITE_P(EffectPlayer, RefusedSounds,
                         testing::Values(Refused{"empty", {}}, Refused{"neither_wav_nor_midi", samples(100)},
                                         Refused{"riff_without_wave", withByteAt(pcmWave(samples(50)), 8, 'w')},
                                         Refused{"wav_of_35_bytes", firstBytes(pcmWave(samples(50)), 35)},
                                         Refused{"wav_without_data", riffWave({chunk("fmt ", pcmFormat(1, 8000, 8)),
                                                                               chunk("LIST", samples(30))})},
                                         Refused{"riff_wave_marks_only", firstBytes(pcmWave(samples(50)), 12)},
                                         Refused{"midi_that_does_not_parse", withoutLast(kMidi, 3)},
                                         Refused{"midi_header_mark_only", firstBytes(kMidi, 5)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EffectPlayerTest, MidiImagePlaysThroughTheMidiOutputWithItsLoopFlag) {
  EXPECT_TRUE(player.Play(kMidi, true));
  ASSERT_EQ(midi.started().size(), 1u);
  EXPECT_TRUE(midi.started()[0].loop);
  EXPECT_EQ(midi.started()[0].sequence.division, 96);
  EXPECT_EQ(midi.started()[0].sequence.events.size(), 2u);
  EXPECT_TRUE(device.records().empty());
}

TEST_F(EffectPlayerTest, NextMidiEndsThePieceBeforeButNotTheWaveVoices) {
  device.holdCompletions(true);
  ASSERT_TRUE(player.Play(pcmWave(samples(100000))));
  ASSERT_TRUE(player.Play(kMidi));
  ASSERT_TRUE(player.Play(kMidi));
  EXPECT_EQ(midi.started().size(), 2u);
  EXPECT_EQ(midi.alive(), 1);
  EXPECT_EQ(player.playingVoices(), 1u);
}

TEST_F(EffectPlayerTest, MidiOutputThatCannotStartGivesFalse) {
  midi.refuse(true);
  EXPECT_FALSE(player.Play(kMidi));
  EXPECT_EQ(midi.alive(), 0);
}

TEST_F(EffectPlayerTest, StopEndsAudioFileMidiAndWaveVoices) {
  player.SetAudioFileStop([&] { ++audioFileStops; });
  device.holdCompletions(true);
  ASSERT_TRUE(player.Play(pcmWave(samples(100000)), true));
  ASSERT_TRUE(player.Play(kMidi, true));
  player.Stop();
  EXPECT_EQ(audioFileStops, 1);
  EXPECT_EQ(midi.alive(), 0);
  EXPECT_TRUE(device.waitFor([](const auto& rs) { return rs[0].closed && rs[0].resets == 1; }));
  player.StopAndWait();
  EXPECT_EQ(audioFileStops, 2);
}

TEST_F(EffectPlayerTest, TheImageMayGoAwayAsSoonAsPlayReturns) {
  const ByteVector data = samples(50000, 3);
  device.holdCompletions(true);
  {
    ByteVector image = pcmWave(data);
    ASSERT_TRUE(player.Play(image));
    std::fill(image.begin(), image.end(), std::byte{0});
  }
  device.holdCompletions(false);
  ASSERT_TRUE(device.waitFor([&](const auto& rs) { return rs[0].closed; }));
  EXPECT_TRUE(device.record(0).written == data);
}

}  // namespace
