// The player on the system's wave device, files and windows: what it plays reaches the sound card
// byte for byte, progress reaches a window as messages, and a missing file opens no device.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "sound/audiofile/player.h"
#include "sound/audiofile/window_notifier_win32.h"
#include "sound/device/winmm_wave_output_win32.h"
#include "tests/support/audiofile/raw_pcm_source.h"
#include "tests/support/poll.h"
#include "tests/win32/audiofile/wave_capture_win32.h"
#include "tests/win32/settings/temp_folder_win32.h"
#include "ui/gbk_text_win32.h"

namespace audiofile {
namespace {

// Serves this thread's messages, keeping the progress notices, until `done` or ten seconds pass.
bool pumpUntil(const std::function<bool()>& done, std::vector<int>* notices = nullptr) {
  const auto serveMessages = [&] {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
      if (message.message == kProgressMessage && notices) notices->push_back(static_cast<int>(message.wParam));
  };
  return test_support::pollUntil(done, std::chrono::seconds(10), serveMessages);
}

std::vector<std::int16_t> noise(std::size_t count) {
  std::vector<std::int16_t> samples(count);
  std::uint32_t state = 12345;
  for (std::int16_t& s : samples) s = static_cast<std::int16_t>((state = state * 1664525 + 1013904223) >> 16);
  return samples;
}

std::string bytesOf(const std::vector<std::int16_t>& samples) {
  return std::string(reinterpret_cast<const char*>(samples.data()), samples.size() * 2);
}

struct Win32Rig {
  StdioFileReader files;
  testing::RawPcmSources decoders;
  WinmmWaveOutput output;
  WindowNotifier notifier;
  PlayerServices services{files, decoders, output, notifier};
};

std::unique_ptr<Player> playerOf(const Win32Rig& rig, const std::string& path) {
  return std::make_unique<Player>(rig.services, std::vector<std::string>{path}, 1);
}

TEST(AudioFilePlayerWin32, AFileAtAChinesePathPlaysByteForByteAndReportsItsProgress) {
  TempFolder folder;
  const std::string path = folder.gbk() + "\\开场 音乐.mp3";
  const std::vector<std::int16_t> samples = noise(22050 * 2);  // one second, stereo
  const std::vector<std::uint8_t> file = testing::rawPcmFile({2, 22050}, samples);
  ASSERT_TRUE(writeFile(wideFromGbk(path), std::string(file.begin(), file.end())));
  const HWND window = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);

  Win32Rig rig;
  const WaveCapture capture;
  const std::unique_ptr<Player> player = playerOf(rig, path);
  ASSERT_TRUE(player->newPlay(window, "", 0));
  std::vector<int> notices;
  ASSERT_TRUE(pumpUntil([&] { return !notices.empty() && notices.back() == 100; }, &notices));
  EXPECT_EQ(player->state(), PlayerState::stopped);
  EXPECT_LE(notices.front(), 3) << "the first notice comes after the first frame";
  EXPECT_EQ(notices[notices.size() - 2], 99);
  for (std::size_t i = 1; i < notices.size(); ++i) EXPECT_LT(notices[i - 1], notices[i]);

  std::vector<std::wstring> streams;
  ASSERT_TRUE(pumpUntil([&] {
    streams = capture.newFiles();
    return streams.size() == 1 && holdsRun(WaveCapture::read(streams[0]), bytesOf(samples));
  })) << "the sound card received every sample in one run";
  EXPECT_NE(streams[0].find(L"-22050-2"), std::wstring::npos) << "opened as 22050 Hz stereo";
  DestroyWindow(window);
}

// Wine's pause throws away what its ALSA buffer held (on the tests' card up to 60 ms early in the
// file, measured), so what must arrive after the resume, in one run, is the file's second half,
// and before it its beginning.
TEST(AudioFilePlayerWin32, APausedFileResumesAndPlaysToItsEnd) {
  TempFolder folder;
  const std::string path = folder.gbk() + "\\a.mp3";
  const std::vector<std::int16_t> samples = noise(44100);  // one second, mono
  const std::vector<std::uint8_t> file = testing::rawPcmFile({1, 44100}, samples);
  ASSERT_TRUE(writeFile(wideFromGbk(path), std::string(file.begin(), file.end())));

  Win32Rig rig;
  const WaveCapture capture;
  const std::unique_ptr<Player> player = playerOf(rig, path);
  ASSERT_TRUE(player->play());
  ASSERT_TRUE(player->setPaused(true));
  EXPECT_EQ(player->state(), PlayerState::paused);
  ASSERT_TRUE(player->setPaused(false));
  ASSERT_TRUE(pumpUntil([&] { return player->state() == PlayerState::stopped; }));

  const std::string payload = withoutSilence(bytesOf(samples));
  const std::string secondHalf = payload.substr(payload.size() / 2);
  std::string played;
  ASSERT_TRUE(pumpUntil([&] {
    const std::vector<std::wstring> streams = capture.newFiles();
    played = streams.size() == 1 ? withoutSilence(WaveCapture::read(streams[0])) : std::string();
    return holdsRun(played, secondHalf);
  }));
  EXPECT_EQ(played.compare(0, 64, payload, 0, 64), 0) << "it began at the file's start";
  EXPECT_EQ(played.compare(played.size() - secondHalf.size(), secondHalf.size(), secondHalf), 0)
      << "and ended at its end";
}

TEST(AudioFilePlayerWin32, AMissingFileOpensNoDeviceAndReadsAsNothing) {
  TempFolder folder;
  const std::string path = folder.gbk() + "\\没有 这个.mp3";
  Win32Rig rig;
  EXPECT_EQ(rig.files.read(path), std::nullopt);
  EXPECT_EQ(rig.files.read(folder.gbk()), std::nullopt) << "a folder in the file's place";

  const WaveCapture capture;
  const std::unique_ptr<Player> player = playerOf(rig, path);
  EXPECT_FALSE(player->play());
  EXPECT_EQ(player->state(), PlayerState::stopped);
  EXPECT_TRUE(capture.newFiles().empty());
}

TEST(AudioFilePlayerWin32, NoticesReachALiveWindowAndPassAClosedOneBy) {
  const HWND window = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  WindowNotifier notifier;
  notifier.post(window, 42);
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, window, kProgressMessage, kProgressMessage, PM_REMOVE));
  EXPECT_EQ(message.wParam, 42u);
  EXPECT_EQ(message.lParam, 0);
  DestroyWindow(window);
  notifier.post(window, 43);
  EXPECT_FALSE(PeekMessageW(&message, nullptr, kProgressMessage, kProgressMessage, PM_REMOVE));
}

}  // namespace
}  // namespace audiofile
