#include "tests/support/device/fake_wave_output.h"

#include <algorithm>
#include <deque>
#include <thread>

class FakeWaveOutStream final : public WaveOutStream {
 public:
  FakeWaveOutStream(FakeWaveOutput& output, std::size_t index, std::size_t slots, WaveDone& done)
      : output_(output), index_(index), slots_(slots), done_(done), worker_([this] { play(); }) {}

  // Like the real stream: what is still queued comes back unplayed.
  ~FakeWaveOutStream() override {
    std::deque<Queued> unplayed;
    {
      std::lock_guard lock(output_.mutex_);
      closing_ = true;
      record().queuedAtClose = queue_.size();
      record().closed = true;
      unplayed.swap(queue_);
    }
    output_.changed_.notify_all();
    worker_.join();
    for (const Queued& buffer : unplayed) done_.bufferDone(buffer.slot, buffer.bytes.size());
  }

  bool write(std::size_t slot, Bytes pcm) override {
    std::lock_guard lock(output_.mutex_);
    if (output_.acceptedBuffers_ >= 0 && accepted_ >= output_.acceptedBuffers_) return false;
    ++accepted_;
    WaveOutRecord& r = record();
    if (slot >= slots_ || isQueued(slot)) ++r.misuses;
    r.written.insert(r.written.end(), pcm.begin(), pcm.end());
    r.lengths.push_back(static_cast<std::uint32_t>(pcm.size()));
    r.queuedAtWrite.push_back(static_cast<std::uint32_t>(queue_.size()));
    queue_.push_back({slot, {pcm.begin(), pcm.end()}});
    output_.changed_.notify_all();
    return true;
  }

  bool pause() override {
    std::lock_guard lock(output_.mutex_);
    record().paused = true;
    ++record().pauses;
    return true;
  }

  bool resume() override {
    {
      std::lock_guard lock(output_.mutex_);
      record().paused = false;
      ++record().resumes;
    }
    output_.changed_.notify_all();
    return true;
  }

  bool reset() override {
    std::unique_lock lock(output_.mutex_);
    ++record().resets;
    resetting_ = true;
    output_.changed_.notify_all();
    output_.changed_.wait(lock, [this] { return queue_.empty(); });
    resetting_ = false;
    return true;
  }

 private:
  struct Queued {
    std::size_t slot;
    std::vector<std::byte> bytes;
  };

  WaveOutRecord& record() { return output_.records_[index_]; }
  bool isQueued(std::size_t slot) const {
    return std::any_of(queue_.begin(), queue_.end(), [&](const Queued& q) { return q.slot == slot; });
  }

  // The device's own thread: hands buffers back in order, calling the done notice outside the lock.
  void play() {
    std::unique_lock lock(output_.mutex_);
    for (;;) {
      output_.changed_.wait(lock, [this] {
        return closing_ || (!queue_.empty() && (resetting_ || (!output_.hold_ && !record().paused)));
      });
      if (closing_) return;
      Queued buffer = std::move(queue_.front());
      queue_.pop_front();
      WaveOutRecord& r = record();
      if (!resetting_) r.played.insert(r.played.end(), buffer.bytes.begin(), buffer.bytes.end());
      ++r.completed;
      output_.changed_.notify_all();
      lock.unlock();
      done_.bufferDone(buffer.slot, buffer.bytes.size());
      lock.lock();
    }
  }

  FakeWaveOutput& output_;
  const std::size_t index_;
  const std::size_t slots_;
  WaveDone& done_;
  std::deque<Queued> queue_;
  int accepted_ = 0;
  bool resetting_ = false;
  bool closing_ = false;
  std::thread worker_;
};

std::unique_ptr<WaveOutStream> FakeWaveOutput::open(Bytes format, std::size_t slots, WaveDone& done) {
  std::lock_guard lock(mutex_);
  if (refuseOpen_) return nullptr;
  WaveOutRecord r;
  r.format.assign(format.begin(), format.end());
  records_.push_back(std::move(r));
  return std::make_unique<FakeWaveOutStream>(*this, records_.size() - 1, slots, done);
}

void FakeWaveOutput::refuseOpen(bool refuse) {
  std::lock_guard lock(mutex_);
  refuseOpen_ = refuse;
}

void FakeWaveOutput::acceptBuffers(int count) {
  std::lock_guard lock(mutex_);
  acceptedBuffers_ = count;
}

void FakeWaveOutput::holdCompletions(bool hold) {
  {
    std::lock_guard lock(mutex_);
    hold_ = hold;
  }
  changed_.notify_all();
}

std::vector<WaveOutRecord> FakeWaveOutput::records() const {
  std::lock_guard lock(mutex_);
  return records_;
}

WaveOutRecord FakeWaveOutput::record(std::size_t index) const {
  std::lock_guard lock(mutex_);
  return records_.at(index);
}

std::size_t FakeWaveOutput::streamCount() const {
  std::lock_guard lock(mutex_);
  return records_.size();
}
