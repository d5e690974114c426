// The application's slot on the real program's parts: a generated mp3 at a Chinese path plays
// through the project's decoder to the sound card exactly, a second play, the slot's stop or the
// effect player's stop cuts it off, and a missing file is silent.
#include "sound/audiofile/play_audio_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "sound/player/effect_player_win32.h"
#include "tests/support/audiofile/mp3_reference.h"
#include "tests/support/poll.h"
#include "tests/win32/audiofile/wave_capture_win32.h"
#include "tests/win32/settings/temp_folder_win32.h"
#include "ui/gbk_text_win32.h"

namespace audiofile::testing {
namespace {

// The mp3s were made on the Unix side; Wine shows its root as drive Z:.
std::wstring testMp3(const char* name) {
  std::wstring path = L"Z:" + wideFromGbk(AUDIOFILE_MP3_DIR) + L"/" + wideFromGbk(name);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::string bytesOf(const std::vector<std::int16_t>& samples) {
  return std::string(reinterpret_cast<const char*>(samples.data()), samples.size() * 2);
}

class PlayAudioFileWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string bytes = WaveCapture::read(testMp3("jingle.mp3"));
    ASSERT_FALSE(bytes.empty());
    path_ = folder_.gbk() + "\\片头 音乐.mp3";
    ASSERT_TRUE(writeFile(wideFromGbk(path_), bytes));
    pcm_ = bytesOf(decodeWholeFile(std::vector<std::uint8_t>(bytes.begin(), bytes.end())));
    ASSERT_EQ(pcm_.size(), 44100u * 3 * 2) << "a second and a half of stereo";
  }
  void TearDown() override { StopAudioFileSlot(); }

  TempFolder folder_;
  std::string path_;
  std::string pcm_;
};

TEST_F(PlayAudioFileWin32, PlaysTheDecodersOutputToTheSoundCardExactly) {
  const WaveCapture capture;
  PlayAudioFile(path_);
  std::vector<std::wstring> streams;
  ASSERT_TRUE(test_support::pollUntil([&] {
    streams = capture.newFiles();
    return streams.size() == 1 && holdsRun(WaveCapture::read(streams[0]), pcm_);
  }));
  EXPECT_NE(streams[0].find(L"-44100-2"), std::wstring::npos);
}

TEST_F(PlayAudioFileWin32, AListPlaysItsPassesOneFileAfterTheOther) {
  const WaveCapture capture;
  const std::string names[] = {path_, "", path_};
  PlayAudioFile(2, names);
  std::vector<std::wstring> streams;
  ASSERT_TRUE(test_support::pollUntil([&] {
    streams = capture.newFiles();
    return streams.size() == 4 && holdsRun(WaveCapture::read(streams[3]), pcm_);
  }));
  for (const std::wstring& stream : streams) EXPECT_TRUE(holdsRun(WaveCapture::read(stream), pcm_));
}

TEST_F(PlayAudioFileWin32, PlayingAgainCutsTheFileOffAndStartsItAfresh) {
  const WaveCapture capture;
  PlayAudioFile(path_);
  PlayAudioFile(path_);
  std::vector<std::wstring> streams;
  ASSERT_TRUE(test_support::pollUntil([&] {
    streams = capture.newFiles();
    return streams.size() == 2 && holdsRun(WaveCapture::read(streams[1]), pcm_);
  }));
  EXPECT_FALSE(holdsRun(WaveCapture::read(streams[0]), pcm_)) << "the first play was cut short";
}

TEST_F(PlayAudioFileWin32, StoppingTheSlotOrAllSoundCutsTheFileOffAtOnce) {
  const std::function<void()> stops[] = {StopAudioFileSlot, [] { TheEffectPlayer().Stop(); }};
  for (const auto& stop : stops) {
    const WaveCapture capture;
    PlayAudioFile(path_);
    stop();
    ASSERT_EQ(capture.newFiles().size(), 1u);
    // Closed by now: nothing more arrives, and the ring never holds the whole file ahead.
    EXPECT_FALSE(holdsRun(WaveCapture::read(capture.newFiles()[0]), pcm_));
  }
}

TEST_F(PlayAudioFileWin32, AMissingFileOrACountOfZeroIsSilent) {
  const WaveCapture capture;
  PlayAudioFile(folder_.gbk() + "\\没有.mp3");
  const std::string names[] = {path_};
  PlayAudioFile(0, names);
  EXPECT_TRUE(capture.newFiles().empty());
}

}  // namespace
}  // namespace audiofile::testing
