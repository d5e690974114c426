#include "sound/player/feeder_signal.h"

#include <algorithm>

void FeederSignal::release(int count) {
  {
    std::lock_guard lock(mutex_);
    wakes_ = std::min(maximum_, wakes_ + count);
  }
  changed_.notify_one();
}

void FeederSignal::stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  changed_.notify_one();
}

FeederSignal::Outcome FeederSignal::wait(std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, limit, [this] { return wakes_ > 0 || stopped_; });
  if (wakes_ > 0) {
    --wakes_;
    return Outcome::wake;
  }
  return stopped_ ? Outcome::stop : Outcome::timeout;
}
