// The recorder and the live waveform capture on winmm under Wine. Wine captures the file in chunks
// with gaps and faster than real time, so the signal is constant: every sample captured must be
// that value, whatever was skipped.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "audio/recorder/wave_in_form.h"
#include "audio/recorder/wave_record.h"
#include "sound/device/winmm_wave_input_win32.h"
#include "tests/support/poll.h"
#include "tests/unit/recorder/recorder_test_support.h"

namespace {

constexpr std::int16_t kSignal = 0x1234;

// Writes `seconds` of the constant signal at 44100 Hz stereo where the sound card reads it; Wine
// shows the Unix root as drive Z:.
void feedConstantSignal(int seconds) {
  wchar_t value[MAX_PATH] = {};
  ASSERT_NE(GetEnvironmentVariableW(L"WINE_TEST_WAVIN", value, MAX_PATH), 0u);
  std::wstring path = std::wstring(L"Z:") + value;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  for (int i = 0; i < 44100 * 2 * seconds; ++i) file.write("\x34\x12", 2);
  ASSERT_TRUE(file);
}

TEST(WaveRecordOnWinmm, ACaptureThroughPauseAndResumeIsSavedWholeUnderAChineseName) {
  feedConstantSignal(20);
  ScratchFolder folder;
  WinmmWaveInput mapper(WinmmWaveInput::kWaveMapper);
  WaveRecord record(mapper, folder.path);
  ASSERT_TRUE(record.SetFormat(2, 44100, 16));
  ASSERT_TRUE(record.Start());
  ASSERT_TRUE(test_support::pollUntil([&] { return record.capturedBytes() >= 3 * 4096; }));
  EXPECT_TRUE(record.IsRecording());
  ASSERT_TRUE(record.Pause());
  EXPECT_TRUE(record.IsRecording()) << "paused, the buffers stay queued";
  const std::uint64_t atPause = record.capturedBytes();
  ASSERT_TRUE(record.Resume());
  ASSERT_TRUE(test_support::pollUntil([&] { return record.capturedBytes() >= atPause + 3 * 4096; }));
  EXPECT_GT(record.GetPosition(), 0);
  ASSERT_TRUE(record.Stop());
  EXPECT_FALSE(record.IsRecording());
  const std::uint64_t captured = record.capturedBytes();

  const std::filesystem::path saved = folder.path / L"晚间节目.wav";  // the name as the dialog gives it
  ASSERT_EQ(record.SaveToFile(saved, true), SaveFailure::none);
  EXPECT_EQ(record.GetPosition(), -1);
  const std::vector<std::byte> file = fileBytes(saved);
  ASSERT_EQ(file.size(), kWavHeaderBytes + captured);
  const auto header = wavHeader({2, 44100, 16}, static_cast<std::uint32_t>(captured));
  EXPECT_TRUE(std::equal(header.begin(), header.end(), file.begin()));
  EXPECT_EQ(captured % 4, 0u) << "whole frames";
  for (std::size_t i = kWavHeaderBytes; i < file.size(); i += 2)
    ASSERT_EQ(static_cast<std::int16_t>(readLe16(file, i)), kSignal) << "byte " << i;

  EXPECT_EQ(record.SaveToFile(folder.path / L"没有这个文件夹" / L"x.wav", true), SaveFailure::cannotCreate);
}

TEST(WaveInFormOnWinmm, TheLiveBufferFillsWithTheSignal) {
  feedConstantSignal(20);
  WinmmWaveInput firstDevice(0);
  WaveInForm form(firstDevice);
  ASSERT_TRUE(form.Open());
  EXPECT_TRUE(form.IsOpen());
  ASSERT_TRUE(test_support::pollUntil([&] { return form.GetSample(1) == kSignal && form.GetSample(2048) == kSignal; }));
  EXPECT_TRUE(form.Close());
  EXPECT_FALSE(form.IsOpen());
  EXPECT_TRUE(form.Open()) << "opens again after a close";
}

}  // namespace
