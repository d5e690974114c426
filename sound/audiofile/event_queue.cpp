#include "sound/audiofile/event_queue.h"

namespace audiofile {

void EventQueue::post(EndNotice notice) {
  {
    std::lock_guard lock(mutex_);
    notices_.push_back(notice);
  }
  semaphore_.notify_one();
}

std::optional<EndNotice> EventQueue::wait() {
  std::unique_lock lock(mutex_);
  semaphore_.wait(lock, [&] { return quit_ || !notices_.empty(); });
  if (quit_) return std::nullopt;
  const EndNotice notice = notices_.front();
  notices_.pop_front();
  return notice;
}

void EventQueue::quit() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  semaphore_.notify_all();
}

bool EventQueue::quitting() const {
  std::lock_guard lock(mutex_);
  return quit_;
}

}  // namespace audiofile
