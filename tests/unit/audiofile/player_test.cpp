// The player's operations: states, pausing, failures, progress and the start position.
#include "sound/audiofile/player.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/unit/audiofile/fakes.h"

namespace audiofile::testing {
namespace {

const NotifyWindow kWindow = reinterpret_cast<NotifyWindow>(0x1234);

using OwnedPlayer = std::unique_ptr<Player>;

OwnedPlayer create(Rig& rig, const std::vector<std::string>& names, int count) {
  return std::make_unique<Player>(rig.services, names, count);
}

TEST(Player, CreatingPlaysNothing) {
  Rig rig;
  rig.addFile("a.mp3", 0);
  OwnedPlayer player = create(rig, {"a.mp3"}, 1);
  EXPECT_EQ(player->state(), PlayerState::stopped);
  EXPECT_EQ(rig.output.streamCount(), 0u);
}

TEST(Player, PauseAndResumeFollowTheStateTable) {
  Rig rig;
  rig.addFile("a.mp3", 0);
  rig.output.holdCompletions(true);
  OwnedPlayer player = create(rig, {"a.mp3"}, 1);
  EXPECT_FALSE(player->setPaused(true)) << "a stopped player does not pause";
  EXPECT_EQ(player->state(), PlayerState::stopped);
  ASSERT_TRUE(player->play());

  struct Step {
    bool pause, changed;
    PlayerState state;
    int pauses, resumes;
  };
  const Step steps[] = {{false, false, PlayerState::playing, 0, 0},
                        {true, true, PlayerState::paused, 1, 0},
                        {true, false, PlayerState::paused, 1, 0},
                        {false, true, PlayerState::playing, 1, 1},
                        {false, false, PlayerState::playing, 1, 1}};
  for (const Step& s : steps) {
    EXPECT_EQ(player->setPaused(s.pause), s.changed) << "pause " << s.pause;
    EXPECT_EQ(player->state(), s.state);
    const PlayedStream stream = streams(rig.output).at(0);
    EXPECT_EQ(stream.pauses, s.pauses);
    EXPECT_EQ(stream.resumes, s.resumes);
  }
  ASSERT_TRUE(player->setPaused(true));
  ASSERT_TRUE(player->play()) << "playing again while paused starts afresh";
  EXPECT_EQ(player->state(), PlayerState::playing);
  EXPECT_TRUE(streams(rig.output).at(0).closed);
}

TEST(Player, APausedFileHoldsItsPlaceAndPlaysOnAfterResume) {
  Rig rig;
  const auto a = rig.addFile("a.mp3", 0);
  rig.output.holdCompletions(true);
  OwnedPlayer player = create(rig, {"a.mp3"}, 1);
  ASSERT_TRUE(player->play());
  ASSERT_TRUE(player->setPaused(true));
  rig.output.holdCompletions(false);
  ASSERT_TRUE(player->setPaused(false));
  ASSERT_TRUE(test_support::pollUntil([&] { return player->state() == PlayerState::stopped; }));
  EXPECT_EQ(streams(rig.output).at(0).played, a);
}

TEST(Player, FilesThatCannotBePlayedLeaveThePlayerStopped) {
  struct Case {
    const char* what;
    std::optional<std::vector<std::uint8_t>> file;
    bool deviceRefuses;
  };
  const Case cases[] = {
      {"unreadable", std::nullopt, false},
      {"not a stream the decoder knows", std::vector<std::uint8_t>{'I', 'D', '3', 3, 0}, false},
      {"a stream with no frames", rawPcmFile({2, 44100}, {}), false},
      {"an unplayable channel count", rawPcmFile({3, 44100}, std::vector<std::int16_t>(576 * 3)), false},
      {"no device", rawPcmFile({1, 8000}, std::vector<std::int16_t>(576)), true},
  };
  for (const Case& c : cases) {
    Rig rig;
    if (c.file) rig.files.files["x.mp3"] = *c.file;
    rig.output.refuseOpen(c.deviceRefuses);
    OwnedPlayer player = create(rig, {"x.mp3"}, 1);
    EXPECT_FALSE(player->newPlay(kWindow, "", 0)) << c.what;
    EXPECT_EQ(player->state(), PlayerState::stopped) << c.what;
    EXPECT_EQ(rig.output.streamCount(), 0u) << c.what;
    EXPECT_TRUE(rig.notifier.notices().empty()) << c.what;
  }
}

TEST(Player, ALongStartTextOrAnEmptyListStartsNothing) {
  Rig rig;
  rig.addFile("a.mp3", 0);
  rig.output.holdCompletions(true);
  OwnedPlayer player = create(rig, {"a.mp3"}, 1);
  EXPECT_FALSE(player->newPlay(nullptr, std::string(512, 'x'), 0));
  EXPECT_EQ(rig.output.streamCount(), 0u);
  EXPECT_TRUE(player->newPlay(nullptr, std::string(511, 'x'), 0));
  EXPECT_FALSE(player->newPlay(nullptr, std::string(512, 'x'), 0)) << "stops what played";
  EXPECT_EQ(player->state(), PlayerState::stopped);
  EXPECT_TRUE(streams(rig.output).at(0).closed);

  OwnedPlayer empty = create(rig, {}, 1);
  EXPECT_FALSE(empty->play());
}

TEST(Player, ProgressRisesToNinetyNineThenEachFileReportsOneHundred) {
  Rig rig;
  rig.addFile("a.mp3", 0, 300);
  rig.addFile("b.mp3", 10000, 300);
  OwnedPlayer player = create(rig, {"a.mp3", "b.mp3"}, 1);
  ASSERT_TRUE(player->newPlay(kWindow, "", 0));
  ASSERT_TRUE(test_support::pollUntil(
      [&] { return rig.output.streamCount() == 2 && player->state() == PlayerState::stopped; }));
  ASSERT_TRUE(test_support::pollUntil(
      [&] { return rig.notifier.notices().size() >= 2 && rig.notifier.notices().back().second == 100; }));

  std::vector<std::vector<int>> perFile(1);
  for (const auto& [window, percent] : rig.notifier.notices()) {
    EXPECT_EQ(window, kWindow);
    perFile.back().push_back(percent);
    if (percent == 100) perFile.emplace_back();
  }
  perFile.pop_back();
  ASSERT_EQ(perFile.size(), 2u);
  for (const std::vector<int>& file : perFile) {
    ASSERT_GE(file.size(), 3u);
    EXPECT_EQ(file.front(), 0);
    EXPECT_EQ(file[file.size() - 2], 99);
    for (std::size_t i = 1; i < file.size(); ++i) EXPECT_LT(file[i - 1], file[i]);
  }
}

TEST(Player, NoWindowNoNotices) {
  Rig rig;
  rig.addFile("a.mp3", 0, 3);
  OwnedPlayer player = create(rig, {"a.mp3"}, 1);
  ASSERT_TRUE(player->play());
  ASSERT_TRUE(test_support::pollUntil([&] { return player->state() == PlayerState::stopped; }));
  EXPECT_TRUE(rig.notifier.notices().empty());
}

TEST(Player, AStartPositionIsClampedAndHandedToTheDecoderBeforeTheFirstFrame) {
  constexpr int kFrames = 100;
  const std::pair<double, int> cases[] = {{50, 50}, {12.5, 12}, {-3, 0}, {0, 0}, {std::nan(""), 0}, {150, kFrames}};
  for (const auto& [percent, firstFrame] : cases) {
    Rig rig;
    auto samples = rig.addFile("a.mp3", 0, kFrames);
    OwnedPlayer player = create(rig, {"a.mp3"}, 1);
    const bool started = player->newPlay(nullptr, "", percent);
    if (firstFrame == kFrames) {
      EXPECT_FALSE(started) << "nothing is left to play at the end";
      continue;
    }
    ASSERT_TRUE(started) << percent;
    ASSERT_TRUE(test_support::pollUntil([&] { return player->state() == PlayerState::stopped; }));
    samples.erase(samples.begin(), samples.begin() + firstFrame * 576 * 2);
    EXPECT_EQ(streams(rig.output).at(0).played, samples) << "start " << percent;
  }
}

TEST(Player, ADeviceThatRefusesABufferEndsTheFileAndTheListMovesOn) {
  Rig rig;
  rig.addFile("a.mp3", 0);
  const auto b = rig.addFile("b.mp3", 10000, 2);
  rig.output.acceptBuffers(2);
  OwnedPlayer player = create(rig, {"a.mp3", "b.mp3"}, 1);
  ASSERT_TRUE(player->play());
  ASSERT_TRUE(test_support::pollUntil(
      [&] { return rig.output.streamCount() == 2 && player->state() == PlayerState::stopped; }));
  const auto played = streams(rig.output);
  EXPECT_TRUE(played[0].closed);
  EXPECT_EQ(played[1].played, b);
}

TEST(Player, RemovingIsSafeOnStoppedSpentAndPlayingPlayers) {
  Rig rig;
  rig.addFile("a.mp3", 0, 2);
  create(rig, {"a.mp3"}, 1).reset();

  OwnedPlayer spent = create(rig, {"a.mp3"}, 1);
  ASSERT_TRUE(spent->play());
  ASSERT_TRUE(test_support::pollUntil([&] { return spent->state() == PlayerState::stopped; }));
  spent.reset();

  rig.output.holdCompletions(true);
  OwnedPlayer playing = create(rig, {"a.mp3"}, 0);
  ASSERT_TRUE(playing->play());
  ASSERT_TRUE(playing->setPaused(true));
  playing.reset();
  for (const PlayedStream& s : streams(rig.output)) EXPECT_TRUE(s.closed);
}

}  // namespace
}  // namespace audiofile::testing
