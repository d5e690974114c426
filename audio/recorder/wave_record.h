#pragma once
// WaveRecord (录音): records from a wave input into a spool file and saves the capture as a WAV
// file. Idle (no device) -> Start -> Capturing <-> Paused (Pause, Resume); Stop -> Stopped, with
// the device still open; SaveToFile closes the device -> Idle. The captured frames survive Pause,
// Stop and SaveToFile; only Start and destruction discard them. All of it runs on one thread (the
// user interface's); the capture itself arrives on the session's worker.
#include <cstdint>
#include <filesystem>
#include <memory>

#include "audio/recorder/capture_session.h"
#include "audio/recorder/capture_spool.h"
#include "audio/recorder/record_format.h"
#include "audio/recorder/wav_header.h"
#include "sound/device/wave_device.h"

// Why a save did not write the file.
enum class SaveFailure {
  none,
  fileExists,    // overwriting was not allowed
  cannotCreate,  // the folder is read-only, the name is not allowed, or the path does not exist
  writeFailed,   // the disk filled up or the medium failed part-way
  captureLost,   // the spool file could not hold what was captured (its disk is full)
};

class WaveRecord {
 public:
  // `spoolFolder` is where the capture is kept until saved; `dataLimit` is the most data a capture
  // takes (buffers past it are dropped, so the saved file's sizes never overflow).
  WaveRecord(WaveInDevice& device, std::filesystem::path spoolFolder, std::uint64_t dataLimit = kLargestWavData);
  ~WaveRecord();
  WaveRecord(const WaveRecord&) = delete;
  WaveRecord& operator=(const WaveRecord&) = delete;

  // Takes effect at the next Start; an unoffered format is refused and changes nothing.
  [[nodiscard]] bool SetFormat(std::int32_t channels, std::int32_t rate, std::int32_t bits);
  [[nodiscard]] RecordFormat GetFormat() const { return requested_; }
  // Opens the device in the requested format and begins a new capture, discarding the old one
  // once the device has opened.
  [[nodiscard]] bool Start();
  // True while a buffer is queued with the device: capturing or paused.
  [[nodiscard]] bool IsRecording() const { return session_ && session_->capturing(); }
  // Pause, Resume and Stop do nothing and succeed without an open device.
  [[nodiscard]] bool Pause();
  [[nodiscard]] bool Resume();
  [[nodiscard]] bool Stop();
  // Bytes the device took in since it was opened or stopped, or -1 without a device. Counted in 64
  // bits: the device's own 32-bit count wraps after 4 GiB.
  [[nodiscard]] std::int64_t GetPosition();
  // Closes the device and writes the capture as a WAV file in the format of the last Start.
  // Succeeds only when every byte reached the file.
  [[nodiscard]] SaveFailure SaveToFile(const std::filesystem::path& path, bool overwrite);

  // Bytes captured since the last Start.
  [[nodiscard]] std::uint64_t capturedBytes() const { return spool_ ? spool_->size() : 0; }
  // Audio captured since the last Start that no save has written yet.
  [[nodiscard]] bool hasUnsavedAudio() const { return capturedBytes() > 0 && !savedWhole_; }

 private:
  void closeDevice();
  void take(Bytes frames);

  WaveInDevice& device_;
  const std::filesystem::path spoolFolder_;
  const std::uint64_t dataLimit_;
  RecordFormat requested_;
  RecordFormat captured_;  // the format of the last Start
  std::unique_ptr<CaptureSpool> spool_;
  std::unique_ptr<CaptureSession> session_;
  std::uint64_t positionWraps_ = 0;
  std::uint32_t lastPosition_ = 0;
  bool savedWhole_ = false;
};
