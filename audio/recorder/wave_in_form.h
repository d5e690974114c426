#pragma once
// WaveInForm (录音音波): a live snapshot of the microphone for the recorder's chart. It captures
// mono 16-bit at 11025 Hz into one 2048-sample buffer that its worker hands back to the device
// each time it fills, about five times a second; readers see the last whole block.
#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "sound/device/wave_device.h"

class WaveInForm final : public WaveDone {
 public:
  static constexpr std::int32_t kSampleCount = 2048;
  static constexpr std::int32_t kRate = 11025;

  // `device` is the first input device of the system.
  explicit WaveInForm(WaveInDevice& device) : device_(device) {}
  ~WaveInForm() { (void)Close(); }
  WaveInForm(const WaveInForm&) = delete;
  WaveInForm& operator=(const WaveInForm&) = delete;

  // Closes first, then starts live capture; false when there is no device, it refuses the format
  // or will not take the buffer.
  bool Open();
  [[nodiscard]] bool IsOpen() const { return stream_ != nullptr; }
  // Stops the worker and closes the device; always true.
  bool Close();
  [[nodiscard]] std::int32_t GetSampleCount() const { return kSampleCount; }
  // Sample `index` (1..2048) of the last whole block; nothing outside that range.
  [[nodiscard]] std::optional<std::int16_t> GetSample(std::int32_t index) const;

  // Whole blocks captured since construction: a reader that saw this count has nothing new.
  [[nodiscard]] std::uint64_t blocksCaptured() const {
    std::lock_guard lock(mutex_);
    return blocks_;
  }

  void bufferDone(std::size_t slot, std::size_t bytes) override;

 private:
  void work();

  WaveInDevice& device_;
  std::array<std::byte, 2 * kSampleCount> buffer_{};  // the device fills this
  std::unique_ptr<WaveInStream> stream_;
  std::thread worker_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::array<std::int16_t, kSampleCount> shown_{};  // the last whole block
  std::uint64_t blocks_ = 0;
  bool filled_ = false;
  bool stopping_ = false;
};
