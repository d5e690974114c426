// PlayAudioFile's slot: pass counting over a list, repeating, cutting off, and stopping.
#include "sound/audiofile/audio_file_slot.h"

#include <gtest/gtest.h>

#include "tests/unit/audiofile/fakes.h"

namespace audiofile::testing {
namespace {

bool allClosed(const FakeWaveOutput& output) {
  for (const PlayedStream& s : streams(output))
    if (!s.closed) return false;
  return true;
}

TEST(AudioFileSlot, ThreeFilesTwiceInOrderThenStopped) {
  Rig rig;
  const auto a = rig.addFile("a.mp3", 0), b = rig.addFile("b.mp3", 10000), c = rig.addFile("c.mp3", 20000);
  AudioFileSlot slot(rig.services);
  const std::vector<std::string> names = {"a.mp3", "", "b.mp3", "c.mp3"};
  slot.play(2, names);

  ASSERT_TRUE(test_support::pollUntil([&] { return rig.output.streamCount() == 6 && allClosed(rig.output); }));
  EXPECT_EQ(slot.player()->state(), PlayerState::stopped);
  const auto played = streams(rig.output);
  const std::vector<std::int16_t>* expected[] = {&a, &b, &c, &a, &b, &c};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(played[i].played, *expected[i]) << "file " << i << " whole and in turn";
  EXPECT_FALSE(slot.player()->play()) << "a spent player starts nothing";
  EXPECT_EQ(rig.output.streamCount(), 6u);
  slot.stop();
  EXPECT_EQ(slot.player(), nullptr);
}

TEST(AudioFileSlot, NegativeCountRepeatsUntilStopped) {
  Rig rig;
  const auto a = rig.addFile("a.mp3", 0, 2), b = rig.addFile("b.mp3", 10000, 2);
  AudioFileSlot slot(rig.services);
  const std::vector<std::string> names = {"a.mp3", "b.mp3"};
  slot.play(-5, names);
  ASSERT_TRUE(test_support::pollUntil([&] { return rig.output.streamCount() >= 7; }));
  slot.stop();
  EXPECT_TRUE(allClosed(rig.output));
  const std::size_t after = rig.output.streamCount();
  const auto played = streams(rig.output);
  for (std::size_t i = 0; i + 1 < after; ++i) EXPECT_EQ(played[i].played, i % 2 ? b : a);
  EXPECT_EQ(rig.output.streamCount(), after) << "nothing starts after the player is removed";
}

TEST(AudioFileSlot, CountOmittedPlaysOnce) {
  Rig rig;
  rig.addFile("a.mp3", 0, 2);
  AudioFileSlot slot(rig.services);
  const std::vector<std::string> names = {"a.mp3"};
  slot.play(std::nullopt, names);
  ASSERT_TRUE(
      test_support::pollUntil([&] { return allClosed(rig.output) && slot.player()->state() == PlayerState::stopped; }));
  EXPECT_EQ(rig.output.streamCount(), 1u);
}

TEST(AudioFileSlot, CountZeroOrNoNamesRemovesThePlayerAndStartsNothing) {
  for (const bool zeroCount : {true, false}) {
    Rig rig;
    rig.addFile("a.mp3", 0);
    rig.output.holdCompletions(true);
    AudioFileSlot slot(rig.services);
    const std::vector<std::string> names = {"a.mp3"};
    slot.play(1, names);
    ASSERT_EQ(slot.player()->state(), PlayerState::playing);
    const std::vector<std::string> empties = {"", ""};
    slot.play(zeroCount ? 0 : 1,
              zeroCount ? std::span<const std::string>(names) : std::span<const std::string>(empties));
    EXPECT_EQ(slot.player(), nullptr);
    EXPECT_TRUE(allClosed(rig.output));
    EXPECT_EQ(rig.output.streamCount(), 1u);
  }
}

TEST(AudioFileSlot, ANewFileCutsTheOldOneOffAndStartsFromItsBeginning) {
  Rig rig;
  rig.addFile("a.mp3", 0);
  const auto b = rig.addFile("b.mp3", 10000);
  rig.output.holdCompletions(true);
  AudioFileSlot slot(rig.services);
  const std::vector<std::string> first = {"a.mp3"}, second = {"b.mp3"};
  slot.play(std::nullopt, first);
  slot.play(std::nullopt, second);
  auto played = streams(rig.output);
  ASSERT_EQ(played.size(), 2u);
  EXPECT_TRUE(played[0].closed);
  EXPECT_TRUE(played[0].played.empty());
  rig.output.holdCompletions(false);
  ASSERT_TRUE(test_support::pollUntil([&] { return allClosed(rig.output); }));
  EXPECT_EQ(streams(rig.output)[1].played, b);
}

TEST(AudioFileSlot, StoppingEmptiesTheSlotAtOnceAndTwiceIsHarmless) {
  Rig rig;
  rig.addFile("a.mp3", 0);
  rig.output.holdCompletions(true);
  AudioFileSlot slot(rig.services);
  const std::vector<std::string> names = {"a.mp3"};
  slot.play(-1, names);
  slot.stop();
  EXPECT_EQ(slot.player(), nullptr);
  EXPECT_TRUE(allClosed(rig.output));
  slot.stop();
}

TEST(AudioFileSlot, AMissingFileLeavesAStoppedPlayerInTheSlot) {
  Rig rig;
  AudioFileSlot slot(rig.services);
  const std::vector<std::string> names = {"missing.mp3"};
  slot.play(std::nullopt, names);
  ASSERT_NE(slot.player(), nullptr);
  EXPECT_EQ(slot.player()->state(), PlayerState::stopped);
  EXPECT_EQ(rig.output.streamCount(), 0u);
}

}  // namespace
}  // namespace audiofile::testing
