#pragma once
// The notifications the decoding pipeline sends a player's worker thread, in order, under a mutex
// and counted by a semaphore; a quit flag ends the worker's wait for good.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

namespace audiofile {

// A file has ended: the reading side gave up, or the device played the last buffer.
struct EndNotice {
  std::uint64_t pipeline;  // which pipeline sent it, so notices of one already torn down are ignored
};

class EventQueue {
 public:
  void post(EndNotice notice);
  // The next notice; nothing once the quit flag is set.
  [[nodiscard]] std::optional<EndNotice> wait();
  void quit();
  [[nodiscard]] bool quitting() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable semaphore_;
  std::deque<EndNotice> notices_;
  bool quit_ = false;
};

}  // namespace audiofile
