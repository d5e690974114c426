#pragma once
// A wave output that passes everything to another and notes how long the latest open took and when
// the first buffer since reset() reached it.
#include <atomic>
#include <chrono>

#include "sound/device/wave_device.h"

class FirstWriteClock final : public WaveOutDevice {
 public:
  using Clock = std::chrono::steady_clock;

  explicit FirstWriteClock(WaveOutDevice& device) : device_(device) {}

  std::unique_ptr<WaveOutStream> open(Bytes format, std::size_t slots, WaveDone& done) override {
    const Clock::time_point start = Clock::now();
    std::unique_ptr<WaveOutStream> inner = device_.open(format, slots, done);
    lastOpen_ = Clock::now() - start;
    if (!inner) return nullptr;
    return std::make_unique<Stream>(std::move(inner), *this);
  }

  void reset() { firstWrite_.store(0); }
  [[nodiscard]] Clock::duration lastOpen() const { return lastOpen_; }
  // Waits (spinning: the times measured are microseconds) for the first write since reset().
  [[nodiscard]] Clock::time_point awaitFirstWrite() const {
    Clock::rep at = 0;
    while ((at = firstWrite_.load()) == 0) {}
    return Clock::time_point(Clock::duration(at));
  }

 private:
  class Stream final : public WaveOutStream {
   public:
    Stream(std::unique_ptr<WaveOutStream> inner, FirstWriteClock& clock) : inner_(std::move(inner)), clock_(clock) {}
    bool write(std::size_t slot, Bytes pcm) override {
      Clock::rep none = 0;
      clock_.firstWrite_.compare_exchange_strong(none, Clock::now().time_since_epoch().count());
      return inner_->write(slot, pcm);
    }
    bool pause() override { return inner_->pause(); }
    bool resume() override { return inner_->resume(); }
    bool reset() override { return inner_->reset(); }

   private:
    std::unique_ptr<WaveOutStream> inner_;
    FirstWriteClock& clock_;
  };

  WaveOutDevice& device_;
  std::atomic<Clock::rep> firstWrite_{0};
  Clock::duration lastOpen_{};  // opens happen on the thread that calls Play
};
