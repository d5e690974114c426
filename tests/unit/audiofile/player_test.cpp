// The player library's operations: states, pausing, failures, progress and the start position.
#include "sound/audiofile/player_library.h"

#include <gtest/gtest.h>

#include <cmath>

#include "sound/audiofile/file_list.h"
#include "tests/unit/audiofile/fakes.h"

namespace audiofile::testing {
namespace {

const NotifyWindow kWindow = reinterpret_cast<NotifyWindow>(0x1234);

struct PlayerDeleter {
  void operator()(PlayerHandle p) const { EXPECT_EQ(RemovePlayer(p), 1); }
};
using OwnedPlayer = std::unique_ptr<Player, PlayerDeleter>;

OwnedPlayer create(Rig& rig, const std::vector<std::string>& names, int count) {
  return OwnedPlayer(CreatePlayer(rig.services, fileListFromNames(names).c_str(), count));
}

TEST(PlayerLibrary, EveryOperationAcceptsANullPlayer) {
  EXPECT_EQ(NewPlay(nullptr, kWindow, "x", 50), 0);
  EXPECT_EQ(Play(nullptr), 0);
  EXPECT_EQ(GetPlayState(nullptr), 0);
  EXPECT_EQ(SetPauseState(nullptr, 1), 0);
  EXPECT_EQ(SetPauseState(nullptr, 0), 0);
  EXPECT_EQ(RemovePlayer(nullptr), 0);
}

TEST(PlayerLibrary, CreatingPlaysNothing) {
  Rig rig;
  rig.addFile("a.mp3", 0);
  OwnedPlayer player = create(rig, {"a.mp3"}, 1);
  EXPECT_EQ(GetPlayState(player.get()), 0);
  EXPECT_EQ(rig.output.streamCount(), 0u);
}

TEST(PlayerLibrary, PauseAndResumeFollowTheStateTable) {
  Rig rig;
  rig.addFile("a.mp3", 0);
  rig.output.hold(true);
  OwnedPlayer player = create(rig, {"a.mp3"}, 1);
  EXPECT_EQ(SetPauseState(player.get(), 1), 0) << "a stopped player does not pause";
  EXPECT_EQ(GetPlayState(player.get()), 0);
  ASSERT_EQ(Play(player.get()), 1);

  struct Step {
    int flag, changed, state, pauses, resumes;
  };
  const Step steps[] = {{0, 0, 1, 0, 0}, {7, 1, -1, 1, 0}, {1, 0, -1, 1, 0}, {0, 1, 1, 1, 1}, {0, 0, 1, 1, 1}};
  for (const Step& s : steps) {
    EXPECT_EQ(SetPauseState(player.get(), s.flag), s.changed) << "flag " << s.flag;
    EXPECT_EQ(GetPlayState(player.get()), s.state);
    const StreamRecord stream = rig.output.streams().at(0);
    EXPECT_EQ(stream.pauses, s.pauses);
    EXPECT_EQ(stream.resumes, s.resumes);
  }
  ASSERT_EQ(SetPauseState(player.get(), 1), 1);
  ASSERT_EQ(Play(player.get()), 1) << "playing again while paused starts afresh";
  EXPECT_EQ(GetPlayState(player.get()), 1);
  EXPECT_TRUE(rig.output.streams().at(0).closed);
}

TEST(PlayerLibrary, APausedFileHoldsItsPlaceAndPlaysOnAfterResume) {
  Rig rig;
  const auto a = rig.addFile("a.mp3", 0);
  rig.output.hold(true);
  OwnedPlayer player = create(rig, {"a.mp3"}, 1);
  ASSERT_EQ(Play(player.get()), 1);
  ASSERT_EQ(SetPauseState(player.get(), 1), 1);
  rig.output.hold(false);
  ASSERT_EQ(SetPauseState(player.get(), 0), 1);
  ASSERT_TRUE(test_support::pollUntil([&] { return GetPlayState(player.get()) == 0; }));
  EXPECT_EQ(rig.output.streams().at(0).played, a);
}

TEST(PlayerLibrary, FilesThatCannotBePlayedLeaveThePlayerStopped) {
  struct Case {
    const char* what;
    FileContents file;
    bool deviceRefuses;
  };
  const Case cases[] = {
      {"not found", {kFileNotFound, {}}, false},
      {"access denied", {kAccessDenied, {}}, false},
      {"invalid argument", {kInvalidArgument, {}}, false},
      {"too many open files", {kTooManyOpenFiles, {}}, false},
      {"other failure", {kReadFailed, {}}, false},
      {"not a stream the decoder knows", {kReadOk, {'I', 'D', '3', 3, 0}}, false},
      {"a stream with no frames", {kReadOk, rawPcmFile({2, 44100}, {})}, false},
      {"an unplayable channel count", {kReadOk, rawPcmFile({3, 44100}, std::vector<std::int16_t>(576 * 3))}, false},
      {"no device", {kReadOk, rawPcmFile({1, 8000}, std::vector<std::int16_t>(576))}, true},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.files.files["x.mp3"] = c.file;
    rig.output.refuseOpen = c.deviceRefuses;
    OwnedPlayer player = create(rig, {"x.mp3"}, 1);
    EXPECT_EQ(NewPlay(player.get(), kWindow, "", 0), 0) << c.what;
    EXPECT_EQ(GetPlayState(player.get()), 0) << c.what;
    EXPECT_EQ(rig.output.streamCount(), 0u) << c.what;
    EXPECT_TRUE(rig.notifier.notices().empty()) << c.what;
  }
}

TEST(PlayerLibrary, ALongStartTextOrAnEmptyListStartsNothing) {
  Rig rig;
  rig.addFile("a.mp3", 0);
  rig.output.hold(true);
  OwnedPlayer player = create(rig, {"a.mp3"}, 1);
  EXPECT_EQ(NewPlay(player.get(), nullptr, std::string(512, 'x').c_str(), 0), 0);
  EXPECT_EQ(rig.output.streamCount(), 0u);
  EXPECT_EQ(NewPlay(player.get(), nullptr, std::string(511, 'x').c_str(), 0), 1);
  EXPECT_EQ(NewPlay(player.get(), nullptr, std::string(512, 'x').c_str(), 0), 0) << "stops what played";
  EXPECT_EQ(GetPlayState(player.get()), 0);
  EXPECT_TRUE(rig.output.streams().at(0).closed);

  OwnedPlayer empty(CreatePlayer(rig.services, nullptr, 1));
  EXPECT_EQ(Play(empty.get()), 0);
}

TEST(PlayerLibrary, ProgressRisesToNinetyNineThenEachFileReportsOneHundred) {
  Rig rig;
  rig.addFile("a.mp3", 0, 300);
  rig.addFile("b.mp3", 10000, 300);
  OwnedPlayer player = create(rig, {"a.mp3", "b.mp3"}, 1);
  ASSERT_EQ(NewPlay(player.get(), kWindow, "", 0), 1);
  ASSERT_TRUE(test_support::pollUntil([&] { return rig.output.streamCount() == 2 && GetPlayState(player.get()) == 0; }));
  ASSERT_TRUE(
      test_support::pollUntil([&] { return rig.notifier.notices().size() >= 2 && rig.notifier.notices().back().second == 100; }));

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

TEST(PlayerLibrary, NoWindowNoNotices) {
  Rig rig;
  rig.addFile("a.mp3", 0, 3);
  OwnedPlayer player = create(rig, {"a.mp3"}, 1);
  ASSERT_EQ(Play(player.get()), 1);
  ASSERT_TRUE(test_support::pollUntil([&] { return GetPlayState(player.get()) == 0; }));
  EXPECT_TRUE(rig.notifier.notices().empty());
}

TEST(PlayerLibrary, AStartPositionIsClampedAndHandedToTheDecoderBeforeTheFirstFrame) {
  constexpr int kFrames = 100;
  const std::pair<double, int> cases[] = {{50, 50}, {12.5, 12}, {-3, 0}, {0, 0}, {std::nan(""), 0}, {150, kFrames}};
  for (const auto& [percent, firstFrame] : cases) {
    Rig rig;
    auto samples = rig.addFile("a.mp3", 0, kFrames);
    OwnedPlayer player = create(rig, {"a.mp3"}, 1);
    const int started = NewPlay(player.get(), nullptr, "", percent);
    if (firstFrame == kFrames) {
      EXPECT_EQ(started, 0) << "nothing is left to play at the end";
      continue;
    }
    ASSERT_EQ(started, 1) << percent;
    ASSERT_TRUE(test_support::pollUntil([&] { return GetPlayState(player.get()) == 0; }));
    samples.erase(samples.begin(), samples.begin() + firstFrame * 576 * 2);
    EXPECT_EQ(rig.output.streams().at(0).played, samples) << "start " << percent;
  }
}

TEST(PlayerLibrary, ADeviceThatRefusesABufferEndsTheFileAndTheListMovesOn) {
  Rig rig;
  rig.addFile("a.mp3", 0);
  const auto b = rig.addFile("b.mp3", 10000, 2);
  rig.output.acceptedBuffers = 2;
  OwnedPlayer player = create(rig, {"a.mp3", "b.mp3"}, 1);
  ASSERT_EQ(Play(player.get()), 1);
  ASSERT_TRUE(test_support::pollUntil([&] { return rig.output.streamCount() == 2 && GetPlayState(player.get()) == 0; }));
  const auto streams = rig.output.streams();
  EXPECT_TRUE(streams[0].closed);
  EXPECT_EQ(streams[1].played, b);
}

TEST(PlayerLibrary, RemovingIsSafeOnStoppedSpentAndPlayingPlayers) {
  Rig rig;
  rig.addFile("a.mp3", 0, 2);
  PlayerHandle never = CreatePlayer(rig.services, fileListFromNames({"a.mp3"}).c_str(), 1);
  EXPECT_EQ(RemovePlayer(never), 1);

  PlayerHandle spent = CreatePlayer(rig.services, fileListFromNames({"a.mp3"}).c_str(), 1);
  ASSERT_EQ(Play(spent), 1);
  ASSERT_TRUE(test_support::pollUntil([&] { return GetPlayState(spent) == 0; }));
  EXPECT_EQ(RemovePlayer(spent), 1);

  rig.output.hold(true);
  PlayerHandle playing = CreatePlayer(rig.services, fileListFromNames({"a.mp3"}).c_str(), 0);
  ASSERT_EQ(Play(playing), 1);
  ASSERT_EQ(SetPauseState(playing, 1), 1);
  EXPECT_EQ(RemovePlayer(playing), 1);
  for (const StreamRecord& s : rig.output.streams()) EXPECT_TRUE(s.closed);
}

TEST(FileList, EmptyNamesAreLeftOutAndTheListReadsBack) {
  const std::string list = fileListFromNames({"", "C:\\音乐\\开场.mp3", "", "b.mp3"});
  EXPECT_EQ(list, std::string("C:\\音乐\\开场.mp3") + '\0' + "b.mp3" + '\0' + '\0');
  EXPECT_EQ(namesFromFileList(list.c_str()), (std::vector<std::string>{"C:\\音乐\\开场.mp3", "b.mp3"}));
  EXPECT_TRUE(namesFromFileList(nullptr).empty());
  EXPECT_TRUE(namesFromFileList(fileListFromNames({""}).c_str()).empty());
}

}  // namespace
}  // namespace audiofile::testing
