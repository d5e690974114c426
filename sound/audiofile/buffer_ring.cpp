#include "sound/audiofile/buffer_ring.h"

#include <algorithm>

namespace audiofile {

BufferRing::BufferRing(std::size_t buffers, std::size_t bytesPerBuffer)
    : memory_(buffers * bytesPerBuffer), bytesPerBuffer_(bytesPerBuffer), busy_(buffers, false) {}

std::span<std::byte> BufferRing::data(std::size_t slot) {
  return std::span(memory_).subspan(slot * bytesPerBuffer_, bytesPerBuffer_);
}

std::optional<std::size_t> BufferRing::acquire() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return cancelled_ || !busy_[next_]; });
  if (cancelled_) return std::nullopt;
  const std::size_t slot = next_;
  busy_[slot] = true;
  next_ = (next_ + 1) % busy_.size();
  return slot;
}

void BufferRing::release(std::size_t slot) { bufferDone(slot); }

void BufferRing::bufferDone(std::size_t slot) {
  {
    std::lock_guard lock(mutex_);
    if (slot < busy_.size()) busy_[slot] = false;
  }
  changed_.notify_all();
}

bool BufferRing::waitUntilAllDone() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return cancelled_ || std::none_of(busy_.begin(), busy_.end(), [](bool b) { return b; }); });
  return !cancelled_;
}

void BufferRing::cancel() {
  {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
  }
  changed_.notify_all();
}

}  // namespace audiofile
