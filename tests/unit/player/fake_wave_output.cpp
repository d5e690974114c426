#include "tests/unit/player/fake_wave_output.h"

#include <algorithm>
#include <array>
#include <deque>
#include <thread>

class FakeWaveStream final : public WaveStream {
 public:
  FakeWaveStream(FakeWaveOutput& output, std::size_t index, WaveCompletion& completion)
      : output_(output), index_(index), completion_(completion), worker_([this] { complete(); }) {}

  ~FakeWaveStream() override {
    {
      std::lock_guard lock(output_.mutex_);
      closing_ = true;
      StreamRecord& r = record();
      if (!queued_.empty() || std::any_of(prepared_.begin(), prepared_.end(), [](bool p) { return p; })) ++r.misuses;
      r.closed = true;
    }
    output_.changed_.notify_all();
    worker_.join();
  }

  bool write(WaveBuffer& buffer) override {
    std::lock_guard lock(output_.mutex_);
    StreamRecord& r = record();
    if (buffer.prepared || prepared_[buffer.index] || isQueued(buffer.index)) ++r.misuses;
    r.written.insert(r.written.end(), buffer.data, buffer.data + buffer.length);
    r.lengths.push_back(buffer.length);
    r.queuedAtWrite.push_back(static_cast<std::uint32_t>(queued_.size()));
    buffer.prepared = prepared_[buffer.index] = true;
    queued_.push_back(buffer.index);
    output_.changed_.notify_all();
    return true;
  }

  void unprepare(WaveBuffer& buffer) override {
    std::lock_guard lock(output_.mutex_);
    if (isQueued(buffer.index) || !buffer.prepared) ++record().misuses;
    buffer.prepared = prepared_[buffer.index] = false;
  }

  void pauseAndReset() override {
    std::unique_lock lock(output_.mutex_);
    ++record().resets;
    resetting_ = true;
    output_.changed_.notify_all();
    output_.changed_.wait(lock, [this] { return queued_.empty(); });
    resetting_ = false;
  }

 private:
  StreamRecord& record() { return output_.records_[index_]; }
  bool isQueued(std::uint32_t i) const { return std::find(queued_.begin(), queued_.end(), i) != queued_.end(); }

  // The device's own thread: hands buffers back in order, marked done before the callback (as a
  // real device does) and calling it outside the lock.
  void complete() {
    std::unique_lock lock(output_.mutex_);
    for (;;) {
      output_.changed_.wait(lock, [this] { return closing_ || (!queued_.empty() && (resetting_ || !output_.hold_)); });
      if (queued_.empty()) return;  // closing
      queued_.pop_front();
      ++record().completed;
      output_.changed_.notify_all();
      lock.unlock();
      completion_.bufferDone();
      lock.lock();
    }
  }

  FakeWaveOutput& output_;
  const std::size_t index_;
  WaveCompletion& completion_;
  std::deque<std::uint32_t> queued_;
  std::array<bool, 20> prepared_{};
  bool resetting_ = false;
  bool closing_ = false;
  std::thread worker_;
};

std::unique_ptr<WaveStream> FakeWaveOutput::open(Bytes format, WaveCompletion& completion) {
  std::lock_guard lock(mutex_);
  if (refuseOpen_) return nullptr;
  StreamRecord r;
  r.format.assign(format.begin(), format.end());
  records_.push_back(std::move(r));
  return std::make_unique<FakeWaveStream>(*this, records_.size() - 1, completion);
}

void FakeWaveOutput::refuseOpen(bool refuse) {
  std::lock_guard lock(mutex_);
  refuseOpen_ = refuse;
}

void FakeWaveOutput::holdCompletions(bool hold) {
  {
    std::lock_guard lock(mutex_);
    hold_ = hold;
  }
  changed_.notify_all();
}

std::vector<StreamRecord> FakeWaveOutput::records() const {
  std::lock_guard lock(mutex_);
  return records_;
}

StreamRecord FakeWaveOutput::record(std::size_t index) const {
  std::lock_guard lock(mutex_);
  return records_.at(index);
}
