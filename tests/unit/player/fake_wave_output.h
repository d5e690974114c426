#pragma once
// A wave-output device for tests: each opened stream completes its queued buffers in order on a
// thread of its own (unless completions are held) and records what it was handed and every misuse
// a real device would refuse.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "sound/player/wave_output.h"

struct StreamRecord {
  std::vector<std::byte> format;
  std::vector<std::byte> written;              // every buffer's bytes, in write order
  std::vector<std::uint32_t> lengths;          // each write's length
  std::vector<std::uint32_t> queuedAtWrite;    // buffers still queued when each write came
  std::uint32_t completed = 0;
  int resets = 0;
  int misuses = 0;  // writing a queued or prepared buffer, unpreparing a queued one, closing with buffers out
  bool closed = false;
};

class FakeWaveOutput final : public WaveOutput {
 public:
  std::unique_ptr<WaveStream> open(Bytes format, WaveCompletion& completion) override;

  void refuseOpen(bool refuse);
  // Held completions leave written buffers queued (a stalled device) until released.
  void holdCompletions(bool hold);

  [[nodiscard]] std::vector<StreamRecord> records() const;
  [[nodiscard]] StreamRecord record(std::size_t index) const;
  // Polls until `done(records())` holds or five seconds pass; returns whether it held.
  template <typename Condition>
  [[nodiscard]] bool waitFor(Condition done) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return done(records_); });
  }

 private:
  friend class FakeWaveStream;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::vector<StreamRecord> records_;
  bool refuseOpen_ = false;
  bool hold_ = false;
};
