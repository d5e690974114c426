#include "tests/support/device/fake_wave_input.h"

#include <algorithm>
#include <deque>
#include <thread>

class FakeWaveInStream final : public WaveInStream {
 public:
  FakeWaveInStream(FakeWaveInput& input, std::size_t index, std::size_t slots, WaveDone& done)
      : input_(input), index_(index), slots_(slots), done_(done), worker_([this] { fill(); }) {}

  // Like the real stream: what is still queued comes back empty.
  ~FakeWaveInStream() override {
    std::deque<Queued> unfilled;
    {
      std::lock_guard lock(input_.mutex_);
      closing_ = true;
      record().queuedAtClose = queue_.size();
      record().closed = true;
      unfilled.swap(queue_);
    }
    input_.changed_.notify_all();
    worker_.join();
    for (const Queued& buffer : unfilled) done_.bufferDone(buffer.slot, 0);
  }

  bool add(std::size_t slot, std::span<std::byte> area) override {
    std::lock_guard lock(input_.mutex_);
    if (slot >= slots_ || std::any_of(queue_.begin(), queue_.end(), [&](const Queued& q) { return q.slot == slot; }))
      ++record().misuses;
    queue_.push_back({slot, area});
    input_.changed_.notify_all();
    return true;
  }

  bool pause() override {
    std::unique_lock lock(input_.mutex_);
    ++record().pauses;
    started_ = false;
    handBack_ = std::min<std::size_t>(1, queue_.size());
    awaitHandBack(lock);
    return true;
  }

  bool resume() override {
    std::lock_guard lock(input_.mutex_);
    ++record().resumes;
    started_ = true;
    input_.changed_.notify_all();
    return true;
  }

  bool reset() override {
    std::unique_lock lock(input_.mutex_);
    ++record().resets;
    started_ = false;
    position_ = 0;
    handBack_ = queue_.size();
    awaitHandBack(lock);
    return true;
  }

  std::optional<std::uint32_t> position() override {
    std::lock_guard lock(input_.mutex_);
    return position_;
  }

 private:
  struct Queued {
    std::size_t slot;
    std::span<std::byte> area;
  };

  WaveInRecord& record() { return input_.records_[index_]; }

  void awaitHandBack(std::unique_lock<std::mutex>& lock) {
    input_.changed_.notify_all();
    input_.changed_.wait(lock, [this] { return handBack_ == 0; });
  }

  // The device's own thread: fills buffers in order (or hands them back empty), calling the done
  // notice outside the lock.
  void fill() {
    std::unique_lock lock(input_.mutex_);
    for (;;) {
      input_.changed_.wait(
          lock, [this] { return closing_ || (!queue_.empty() && (handBack_ > 0 || (started_ && !input_.hold_))); });
      if (closing_) return;
      const Queued buffer = queue_.front();
      queue_.pop_front();
      std::size_t bytes = 0;
      if (handBack_ > 0) {
        --handBack_;
        ++record().handedBack;
      } else {
        for (std::byte& b : buffer.area) b = input_.signal_(record().delivered++);
        bytes = buffer.area.size();
        position_ += static_cast<std::uint32_t>(bytes);
        ++record().filled;
      }
      input_.changed_.notify_all();
      lock.unlock();
      done_.bufferDone(buffer.slot, bytes);
      lock.lock();
    }
  }

  FakeWaveInput& input_;
  const std::size_t index_;
  const std::size_t slots_;
  WaveDone& done_;
  std::deque<Queued> queue_;
  bool started_ = false;
  std::size_t handBack_ = 0;  // buffers a pause or reset still has to hand back
  std::uint32_t position_ = 0;
  bool closing_ = false;
  std::thread worker_;
};

bool FakeWaveInput::supports(Bytes) {
  std::lock_guard lock(mutex_);
  return !refuseFormats_;
}

std::unique_ptr<WaveInStream> FakeWaveInput::open(Bytes format, std::size_t slots, WaveDone& done) {
  std::lock_guard lock(mutex_);
  if (refuseOpen_ || refuseFormats_) return nullptr;
  WaveInRecord r;
  r.format.assign(format.begin(), format.end());
  records_.push_back(std::move(r));
  return std::make_unique<FakeWaveInStream>(*this, records_.size() - 1, slots, done);
}

void FakeWaveInput::refuseFormats(bool refuse) {
  std::lock_guard lock(mutex_);
  refuseFormats_ = refuse;
}

void FakeWaveInput::refuseOpen(bool refuse) {
  std::lock_guard lock(mutex_);
  refuseOpen_ = refuse;
}

void FakeWaveInput::holdFilling(bool hold) {
  {
    std::lock_guard lock(mutex_);
    hold_ = hold;
  }
  changed_.notify_all();
}

std::vector<WaveInRecord> FakeWaveInput::records() const {
  std::lock_guard lock(mutex_);
  return records_;
}
