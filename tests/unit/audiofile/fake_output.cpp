#include "tests/unit/audiofile/fake_output.h"

#include <cstring>
#include <deque>
#include <thread>

namespace audiofile::testing {

class FakeOutput final : public AudioOutput {
 public:
  FakeOutput(FakeOutputDevice& device, std::shared_ptr<StreamRecord> record, BufferDone& done)
      : device_(device), record_(std::move(record)), done_(done), player_([this] { playBuffers(); }) {}

  // Like a reset: the thread stops, and what is still queued comes back unplayed.
  ~FakeOutput() override {
    std::deque<Queued> unplayed;
    {
      std::lock_guard lock(device_.mutex_);
      closing_ = true;
      record_->closed = true;
      unplayed.swap(queue_);
    }
    device_.changed_.notify_all();
    player_.join();
    for (const Queued& buffer : unplayed) done_.bufferDone(buffer.slot);
  }

  bool play(std::size_t slot, std::span<const std::byte> pcm) override {
    {
      std::lock_guard lock(device_.mutex_);
      if (device_.acceptedBuffers >= 0 && accepted_ >= device_.acceptedBuffers) return false;
      ++accepted_;
      Queued buffer{slot, std::vector<std::int16_t>(pcm.size() / 2)};
      std::memcpy(buffer.samples.data(), pcm.data(), pcm.size() / 2 * 2);
      queue_.push_back(std::move(buffer));
    }
    device_.changed_.notify_all();
    return true;
  }
  void pause() override {
    std::lock_guard lock(device_.mutex_);
    record_->paused = true;
    ++record_->pauses;
  }
  void resume() override {
    {
      std::lock_guard lock(device_.mutex_);
      record_->paused = false;
      ++record_->resumes;
    }
    device_.changed_.notify_all();
  }

 private:
  struct Queued {
    std::size_t slot;
    std::vector<std::int16_t> samples;
  };

  void playBuffers() {
    std::unique_lock lock(device_.mutex_);
    for (;;) {
      device_.changed_.wait(lock, [&] { return closing_ || (!queue_.empty() && !record_->paused && !device_.held_); });
      if (closing_) return;
      Queued buffer = std::move(queue_.front());
      queue_.pop_front();
      record_->played.insert(record_->played.end(), buffer.samples.begin(), buffer.samples.end());
      lock.unlock();
      done_.bufferDone(buffer.slot);
      lock.lock();
    }
  }

  FakeOutputDevice& device_;
  const std::shared_ptr<StreamRecord> record_;
  BufferDone& done_;
  std::deque<Queued> queue_;
  int accepted_ = 0;
  bool closing_ = false;
  std::thread player_;
};

FakeOutputDevice::~FakeOutputDevice() = default;

std::unique_ptr<AudioOutput> FakeOutputDevice::open(PcmFormat format, std::size_t, BufferDone& done) {
  std::shared_ptr<StreamRecord> record;
  {
    std::lock_guard lock(mutex_);
    if (refuseOpen) return nullptr;
    record = std::make_shared<StreamRecord>();
    record->format = format;
    streams_.push_back(record);
  }
  return std::make_unique<FakeOutput>(*this, record, done);
}

void FakeOutputDevice::hold(bool held) {
  {
    std::lock_guard lock(mutex_);
    held_ = held;
  }
  changed_.notify_all();
}

std::vector<StreamRecord> FakeOutputDevice::streams() const {
  std::lock_guard lock(mutex_);
  std::vector<StreamRecord> copies;
  for (const auto& record : streams_) copies.push_back(*record);
  return copies;
}

std::size_t FakeOutputDevice::streamCount() const {
  std::lock_guard lock(mutex_);
  return streams_.size();
}

}  // namespace audiofile::testing
