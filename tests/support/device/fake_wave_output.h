#pragma once
// A wave output for tests: each opened stream plays its queued buffers in order on a thread of its
// own and records what it was handed, what it played, and every misuse a real device would refuse.
// A test can hold playback back (buffers stay queued, as on a stalled device), refuse to open, or
// refuse buffers after a number of them.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "sound/device/wave_device.h"

struct WaveOutRecord {
  std::vector<std::byte> format;
  std::vector<std::byte> written;            // every buffer's bytes, in write order
  std::vector<std::byte> played;             // the bytes of every buffer that played (not handed back)
  std::vector<std::uint32_t> lengths;        // each write's length
  std::vector<std::uint32_t> queuedAtWrite;  // buffers still queued when each write came
  std::uint32_t completed = 0;               // buffers back, played or handed back by a reset
  int pauses = 0, resumes = 0, resets = 0;
  bool paused = false;
  int misuses = 0;  // writing a slot that is out of range or still queued
  std::size_t queuedAtClose = 0;
  bool closed = false;
};

class FakeWaveOutput final : public WaveOutDevice {
 public:
  std::unique_ptr<WaveOutStream> open(Bytes format, std::size_t slots, WaveDone& done) override;

  void refuseOpen(bool refuse);
  // Per stream; below 0, no limit.
  void acceptBuffers(int count);
  // Held playback leaves written buffers queued until released; a reset still hands them back.
  void holdCompletions(bool hold);

  // Copies, so a test can look while streams play.
  [[nodiscard]] std::vector<WaveOutRecord> records() const;
  [[nodiscard]] WaveOutRecord record(std::size_t index) const;
  [[nodiscard]] std::size_t streamCount() const;
  // Waits until `done(records)` holds or five seconds pass; returns whether it held.
  template <typename Condition>
  [[nodiscard]] bool waitFor(Condition done) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return done(records_); });
  }

 private:
  friend class FakeWaveOutStream;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::vector<WaveOutRecord> records_;
  bool refuseOpen_ = false;
  int acceptedBuffers_ = -1;
  bool hold_ = false;
};
