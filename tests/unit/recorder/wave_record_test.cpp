// The wave recorder on the fake input: formats, the life of a capture through Pause, Stop, Save and
// a new Start, the saved file byte for byte, the spool file, the size limit and failed saves.
#include "audio/recorder/wave_record.h"

#include <gtest/gtest.h>

#include "tests/support/device/fake_wave_input.h"
#include "tests/support/poll.h"
#include "tests/unit/recorder/recorder_test_support.h"

namespace {

std::byte signalAt(std::uint64_t n) { return static_cast<std::byte>(n * 7 + n / 4096 + 3); }

struct Recorder {
  ScratchFolder spool{"spool"};
  ScratchFolder saves{"saves"};
  FakeWaveInput input{signalAt};
  std::unique_ptr<WaveRecord> record;
  explicit Recorder(std::uint64_t limit = kLargestWavData)
      : record(std::make_unique<WaveRecord>(input, spool.path, limit)) {}
  // Waits until the current stream has filled `buffers` more buffers.
  bool waitForBuffers(std::uint32_t buffers) {
    const auto now = input.records();
    const std::size_t stream = now.size() - 1;
    const std::uint32_t target = now[stream].filled + buffers;
    return input.waitFor([&](const std::vector<WaveInRecord>& r) { return r[stream].filled >= target; });
  }
  std::vector<std::byte> save(const char* name) {
    const auto path = saves.path / name;
    EXPECT_EQ(record->SaveToFile(path, true), SaveFailure::none);
    return fileBytes(path);
  }
};

void expectHeader(const std::vector<std::byte>& file, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                  std::uint32_t dataBytes) {
  ASSERT_EQ(file.size(), kWavHeaderBytes + dataBytes);
  EXPECT_TRUE(hasTag(file, 0, "RIFF") && hasTag(file, 8, "WAVE") && hasTag(file, 12, "fmt ") &&
              hasTag(file, 36, "data"));
  const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
  EXPECT_EQ(readLe32(file, 4), dataBytes + 36);
  EXPECT_EQ(readLe32(file, 16), 16u);
  EXPECT_EQ(readLe16(file, 20), 1u);
  EXPECT_EQ(readLe16(file, 22), channels);
  EXPECT_EQ(readLe32(file, 24), rate);
  EXPECT_EQ(readLe32(file, 28), rate * align);
  EXPECT_EQ(readLe16(file, 32), align);
  EXPECT_EQ(readLe16(file, 34), bits);
  EXPECT_EQ(readLe32(file, 40), dataBytes);
  EXPECT_EQ(dataBytes % align, 0u) << "whole frames";
}

// The data of a saved file is the stream's capture from its first byte, in order.
void expectCaptureInOrder(const std::vector<std::byte>& file) {
  for (std::size_t i = kWavHeaderBytes; i < file.size(); ++i)
    ASSERT_EQ(file[i], signalAt(i - kWavHeaderBytes)) << "data byte " << i - kWavHeaderBytes;
}

TEST(WaveRecordFormat, OnlyOfferedFormatsAreTakenAndARefusalChangesNothing) {
  struct Case {
    std::int32_t channels, rate, bits;
    bool taken;
  };
  const Case cases[] = {{2, 44100, 16, true},  {1, 11025, 8, true},  {2, 22050, 8, true},  {3, 8000, 16, false},
                        {1, 16000, 16, false}, {1, 8000, 24, false}, {0, 8000, 16, false}, {-1, 44100, 8, false}};
  for (const Case& c : cases) {
    Recorder r;
    ASSERT_TRUE(r.record->SetFormat(2, 22050, 8));
    EXPECT_EQ(r.record->SetFormat(c.channels, c.rate, c.bits), c.taken) << c.channels << " " << c.rate << " " << c.bits;
    const RecordFormat expected = c.taken ? RecordFormat{c.channels, c.rate, c.bits} : RecordFormat{2, 22050, 8};
    EXPECT_EQ(r.record->GetFormat(), expected);
  }
  EXPECT_EQ(Recorder().record->GetFormat(), (RecordFormat{1, 8000, 16})) << "the default";
}

TEST(WaveRecordSave, NothingCapturedSavesAHeaderOnly) {
  Recorder r;
  expectHeader(r.save("empty.wav"), 1, 8000, 16, 0);
  r.input.holdFilling(true);
  ASSERT_TRUE(r.record->Start());
  ASSERT_TRUE(r.record->Stop());
  expectHeader(r.save("started.wav"), 1, 8000, 16, 0);
}

TEST(WaveRecordSave, TheCaptureIsSavedWholeInTheFormatOfTheLastStart) {
  Recorder r;
  ASSERT_TRUE(r.record->SetFormat(2, 44100, 16));
  ASSERT_TRUE(r.record->Start());
  ASSERT_TRUE(r.record->SetFormat(1, 8000, 8)) << "for the next recording only";
  ASSERT_TRUE(r.waitForBuffers(5));
  ASSERT_TRUE(r.record->Stop());
  const std::uint64_t delivered = r.input.records()[0].delivered;
  const auto first = r.save("first.wav");
  expectHeader(first, 2, 44100, 16, static_cast<std::uint32_t>(delivered));
  expectCaptureInOrder(first);
  const auto opened = PcmWaveFormat(2, 44100, 16);
  EXPECT_EQ(r.input.records()[0].format, std::vector<std::byte>(opened.begin(), opened.end()));
  EXPECT_EQ(r.save("second.wav"), first) << "saving does not use the capture up";
}

TEST(WaveRecordStates, PauseKeepsTheBuffersQueuedAndResumeGoesOnInOrder) {
  Recorder r;
  EXPECT_FALSE(r.record->IsRecording());
  ASSERT_TRUE(r.record->Start());
  ASSERT_TRUE(test_support::pollUntil([&] { return r.record->IsRecording(); }));
  ASSERT_TRUE(r.waitForBuffers(3));
  ASSERT_TRUE(r.record->Pause());
  ASSERT_TRUE(test_support::pollUntil([&] { return r.record->IsRecording(); })) << "paused still counts";
  const std::uint64_t atPause = r.input.records()[0].delivered;
  ASSERT_TRUE(r.record->Resume());
  ASSERT_TRUE(r.waitForBuffers(3));
  ASSERT_TRUE(r.record->Stop());
  EXPECT_FALSE(r.record->IsRecording());
  const auto records = r.input.records();
  EXPECT_GT(records[0].delivered, atPause);
  EXPECT_EQ(records[0].misuses, 0) << "no buffer queued twice";
  const auto file = r.save("paused.wav");
  expectHeader(file, 1, 8000, 16, static_cast<std::uint32_t>(records[0].delivered));
  expectCaptureInOrder(file);
}

TEST(WaveRecordStates, AfterStopOrSaveResumeSucceedsButCapturesNothing) {
  for (const bool save : {false, true}) {
    Recorder r;
    ASSERT_TRUE(r.record->Start());
    ASSERT_TRUE(r.waitForBuffers(2));
    ASSERT_TRUE(r.record->Stop());
    EXPECT_EQ(r.record->GetPosition(), 0) << "a stop starts the device's count again";
    if (save) {
      r.save("saved.wav");
      EXPECT_EQ(r.record->GetPosition(), -1) << "the save closed the device";
      EXPECT_TRUE(r.input.records()[0].closed);
    }
    const std::uint64_t captured = r.record->capturedBytes();
    EXPECT_TRUE(r.record->Resume());
    EXPECT_TRUE(r.record->Pause());
    EXPECT_TRUE(r.record->Stop());
    EXPECT_FALSE(r.record->IsRecording());
    EXPECT_EQ(r.record->capturedBytes(), captured) << "save " << save;
    EXPECT_EQ(r.input.records()[0].queuedAtClose, 0u);
  }
}

TEST(WaveRecordStates, WithoutADevicePauseResumeAndStopSucceed) {
  Recorder r;
  EXPECT_TRUE(r.record->Pause());
  EXPECT_TRUE(r.record->Resume());
  EXPECT_TRUE(r.record->Stop());
  EXPECT_EQ(r.record->GetPosition(), -1);
  EXPECT_TRUE(r.input.records().empty());
}

TEST(WaveRecordStates, StartWhileCapturingBeginsAFreshCapture) {
  Recorder r;
  ASSERT_TRUE(r.record->Start());
  ASSERT_TRUE(r.waitForBuffers(4));
  ASSERT_TRUE(r.record->Start());
  EXPECT_TRUE(r.input.records()[0].closed) << "the first device is closed before the second opens";
  ASSERT_TRUE(r.waitForBuffers(1));
  ASSERT_TRUE(r.record->Stop());
  const auto file = r.save("fresh.wav");
  expectHeader(file, 1, 8000, 16, static_cast<std::uint32_t>(r.input.records()[1].delivered));
  expectCaptureInOrder(file);
}

TEST(WaveRecordStates, ARefusedStartKeepsTheOldCapture) {
  for (const bool refuseFormat : {true, false}) {
    Recorder r;
    ASSERT_TRUE(r.record->Start());
    ASSERT_TRUE(r.waitForBuffers(2));
    ASSERT_TRUE(r.record->Stop());
    const std::uint64_t captured = r.record->capturedBytes();
    refuseFormat ? r.input.refuseFormats(true) : r.input.refuseOpen(true);
    EXPECT_FALSE(r.record->Start());
    EXPECT_EQ(r.record->capturedBytes(), captured);
    EXPECT_EQ(r.input.records().size(), 1u);
    EXPECT_EQ(r.input.records()[0].closed, !refuseFormat) << "an unsupported format touches no device";
    expectHeader(r.save("kept.wav"), 1, 8000, 16, static_cast<std::uint32_t>(captured));
  }
}

TEST(WaveRecordSpool, TheCaptureWaitsInOneSpoolFileThatGoesWithTheCapture) {
  Recorder r;
  EXPECT_EQ(r.spool.fileCount(), 0u);
  ASSERT_TRUE(r.record->Start());
  ASSERT_TRUE(r.waitForBuffers(3));
  ASSERT_TRUE(r.record->Stop());
  ASSERT_EQ(r.spool.fileCount(), 1u);
  const auto spooled = fileBytes(std::filesystem::directory_iterator(r.spool.path)->path());
  ASSERT_EQ(spooled.size(), r.record->capturedBytes());
  for (std::size_t i = 0; i < spooled.size(); ++i) ASSERT_EQ(spooled[i], signalAt(i)) << i;
  r.save("one.wav");
  EXPECT_EQ(r.spool.fileCount(), 1u) << "saving keeps the capture";
  r.input.holdFilling(true);
  ASSERT_TRUE(r.record->Start());
  EXPECT_EQ(r.spool.fileCount(), 1u) << "a new start replaces the old spool";
  EXPECT_EQ(r.record->capturedBytes(), 0u);
  r.record.reset();
  EXPECT_EQ(r.spool.fileCount(), 0u) << "closing discards it";
}

TEST(WaveRecordSpool, NoSpoolFolderMeansNoStart) {
  Recorder r;
  r.record = std::make_unique<WaveRecord>(r.input, r.spool.path / "missing", kLargestWavData);
  EXPECT_FALSE(r.record->Start());
  EXPECT_FALSE(r.record->IsRecording());
}

TEST(WaveRecordLimit, BuffersPastTheLimitAreDroppedInWholeFramesWhileTheDeviceRuns) {
  Recorder r(10'001);
  ASSERT_TRUE(r.record->SetFormat(2, 44100, 16));
  ASSERT_TRUE(r.record->Start());
  ASSERT_TRUE(r.waitForBuffers(5));
  EXPECT_TRUE(r.record->IsRecording()) << "the device keeps running";
  EXPECT_GT(r.record->GetPosition(), 10'001);
  ASSERT_TRUE(r.record->Stop());
  const auto file = r.save("limited.wav");
  expectHeader(file, 2, 44100, 16, 10'000);
  expectCaptureInOrder(file);
}

TEST(WaveRecordLimit, TheLargestCaptureStillHasValidSizes) {
  const auto header = wavHeader({2, 44100, 16}, static_cast<std::uint32_t>(kLargestWavData / 4 * 4));
  EXPECT_EQ(readLe32(header, 40), 0xFFFF'FFD4u);
  EXPECT_EQ(readLe32(header, 4), 0xFFFF'FFD4u + 36) << "no wrap past 4 GiB";
  EXPECT_EQ(kLargestWavData + kWavHeaderBytes, 0x1'0000'0000ull);
}

TEST(WaveRecordSave, AFailedSaveSaysWhyAndKeepsTheCapture) {
  Recorder r;
  ASSERT_TRUE(r.record->Start());
  ASSERT_TRUE(r.waitForBuffers(2));
  ASSERT_TRUE(r.record->Stop());
  const std::uint64_t captured = r.record->capturedBytes();
  ASSERT_GT(captured, 0u);
  EXPECT_TRUE(r.record->hasUnsavedAudio());

  struct Case {
    std::filesystem::path path;
    bool overwrite;
    SaveFailure failure;
  };
  const std::filesystem::path existing = r.saves.path / "older.wav";
  std::ofstream(existing) << "an older file";
  const Case cases[] = {
      {r.saves.path / "no such folder" / "x.wav", true, SaveFailure::cannotCreate},
      {r.saves.path, true, SaveFailure::cannotCreate},  // a folder, not a file
      {"/dev/full", true, SaveFailure::writeFailed},    // a disk that is full
      {existing, false, SaveFailure::fileExists},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(r.record->SaveToFile(c.path, c.overwrite), c.failure) << c.path;
    EXPECT_TRUE(r.record->hasUnsavedAudio()) << c.path;
  }
  EXPECT_EQ(fileBytes(existing).size(), 13u) << "an older file is left alone when overwriting is not allowed";
  const auto file = r.save("elsewhere.wav");
  expectHeader(file, 1, 8000, 16, static_cast<std::uint32_t>(captured));
  expectCaptureInOrder(file);
  EXPECT_FALSE(r.record->hasUnsavedAudio());
  EXPECT_EQ(r.record->SaveToFile(existing, true), SaveFailure::none);
  EXPECT_EQ(fileBytes(existing), file);
}

TEST(WaveRecordSave, UnsavedAudioIsWhatTheLastStartTookAndNoSaveWrote) {
  Recorder r;
  EXPECT_FALSE(r.record->hasUnsavedAudio());
  r.input.holdFilling(true);
  ASSERT_TRUE(r.record->Start());
  ASSERT_TRUE(r.record->Stop());
  EXPECT_FALSE(r.record->hasUnsavedAudio()) << "nothing captured yet";
  r.input.holdFilling(false);
  ASSERT_TRUE(r.record->Start());
  ASSERT_TRUE(r.waitForBuffers(1));
  ASSERT_TRUE(test_support::pollUntil([&] { return r.record->hasUnsavedAudio(); }));
  r.save("saved.wav");
  EXPECT_FALSE(r.record->hasUnsavedAudio());
  ASSERT_TRUE(r.record->Start());
  ASSERT_TRUE(r.waitForBuffers(1));
  ASSERT_TRUE(test_support::pollUntil([&] { return r.record->hasUnsavedAudio(); }));
}

}  // namespace
