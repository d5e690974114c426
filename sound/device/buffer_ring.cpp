#include "sound/device/buffer_ring.h"

#include <algorithm>
#include <new>

bool BufferRing::allocate(std::size_t count, std::size_t bytes) {
  memory_.reset(new (std::nothrow) std::byte[count * bytes]());
  if (!memory_) return false;
  bytesPerBuffer_ = bytes;
  busy_.assign(count, false);
  next_ = 0;
  return true;
}

void BufferRing::free() {
  memory_.reset();
  busy_.clear();
}

std::span<std::byte> BufferRing::data(std::size_t slot) {
  return {memory_.get() + slot * bytesPerBuffer_, bytesPerBuffer_};
}

template <typename Ready>
bool BufferRing::waitUntil(std::unique_lock<std::mutex>& lock, Ready ready) {
  for (;;) {
    if (cancelled_) return false;
    if (ready()) return true;
    if (stopped_) return false;
    const std::uint64_t seen = returns_;
    const auto woken = [&] { return cancelled_ || stopped_ || returns_ != seen || ready(); };
    if (!stallLimit_)
      changed_.wait(lock, woken);
    else if (!changed_.wait_for(lock, *stallLimit_, woken))
      return false;
  }
}

std::optional<std::size_t> BufferRing::acquire() {
  std::unique_lock lock(mutex_);
  if (!waitUntil(lock, [&] { return !busy_[next_]; })) return std::nullopt;
  const std::size_t slot = next_;
  busy_[slot] = true;
  next_ = (next_ + 1) % busy_.size();
  return slot;
}

void BufferRing::release(std::size_t slot) {
  {
    std::lock_guard lock(mutex_);
    busy_[slot] = false;
  }
  changed_.notify_all();
}

void BufferRing::bufferDone(std::size_t slot, std::size_t) {
  {
    std::lock_guard lock(mutex_);
    if (slot < busy_.size()) busy_[slot] = false;
    ++returns_;
  }
  changed_.notify_all();
}

bool BufferRing::waitUntilAllDone() {
  std::unique_lock lock(mutex_);
  if (!waitUntil(lock, [&] { return std::none_of(busy_.begin(), busy_.end(), [](bool b) { return b; }); }))
    return false;
  next_ = 0;
  return true;
}

void BufferRing::stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  changed_.notify_all();
}

void BufferRing::cancel() {
  {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
  }
  changed_.notify_all();
}
