#pragma once
// A wave input for tests: each opened stream fills its queued buffers in order on a thread of its
// own while started, byte n of the stream's capture being signal(n), and records what it was
// asked. Pausing hands the buffer being filled back with nothing in it; a test can hold filling
// back, refuse a format, or refuse to open.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "sound/device/wave_device.h"

struct WaveInRecord {
  std::vector<std::byte> format;
  std::uint64_t delivered = 0;   // bytes captured into buffers
  std::uint32_t filled = 0;      // buffers back full
  std::uint32_t handedBack = 0;  // buffers back by a pause or reset, empty
  int pauses = 0, resumes = 0, resets = 0;
  int misuses = 0;  // adding a slot that is out of range or still queued
  std::size_t queuedAtClose = 0;
  bool closed = false;
};

class FakeWaveInput final : public WaveInDevice {
 public:
  explicit FakeWaveInput(std::function<std::byte(std::uint64_t)> signal) : signal_(std::move(signal)) {}

  bool supports(Bytes format) override;
  std::unique_ptr<WaveInStream> open(Bytes format, std::size_t slots, WaveDone& done) override;

  void refuseFormats(bool refuse);
  void refuseOpen(bool refuse);
  void holdFilling(bool hold);

  [[nodiscard]] std::vector<WaveInRecord> records() const;
  // Waits until `done(records)` holds or five seconds pass; returns whether it held.
  template <typename Condition>
  [[nodiscard]] bool waitFor(Condition done) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return done(records_); });
  }

 private:
  friend class FakeWaveInStream;
  const std::function<std::byte(std::uint64_t)> signal_;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::vector<WaveInRecord> records_;
  bool refuseFormats_ = false;
  bool refuseOpen_ = false;
  bool hold_ = false;
};
