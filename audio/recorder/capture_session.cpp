#include "audio/recorder/capture_session.h"

#include <algorithm>
#include <chrono>

std::unique_ptr<CaptureSession> CaptureSession::open(WaveInDevice& device, Bytes format, std::uint32_t blockAlign,
                                                     FrameSink sink) {
  std::unique_ptr<CaptureSession> session(new CaptureSession(blockAlign, std::move(sink)));
  session->stream_ = device.open(format, session->buffers_.size(), *session);
  if (!session->stream_) return nullptr;
  session->worker_ = std::thread([s = session.get()] { s->work(); });
  return session;
}

CaptureSession::CaptureSession(std::uint32_t blockAlign, FrameSink sink)
    : blockAlign_(blockAlign), sink_(std::move(sink)) {
  for (auto& buffer : buffers_) buffer.resize(kBufferBytes);
}

CaptureSession::~CaptureSession() {
  if (worker_.joinable()) {
    (void)stop();
    {
      std::lock_guard lock(control_);
      stream_.reset();
    }
    {
      std::lock_guard lock(notices_);
      quitting_ = true;
    }
    changed_.notify_all();
    worker_.join();
  }
}

bool CaptureSession::begin() {
  std::lock_guard lock(control_);
  return queue(0) && queue(1) && stream_->resume();
}

bool CaptureSession::stop() {
  {
    std::lock_guard lock(control_);
    stopping_ = true;
  }
  const bool reset = stream_->reset();
  std::unique_lock lock(notices_);
  changed_.wait_for(lock, std::chrono::seconds(1), [this] { return inFlight_.empty(); });
  return reset;
}

// A buffer the device handed back stays in flight until the worker has appended and re-queued it,
// so between two buffers the capture still counts as running; only a stop or a device that refuses
// the buffers empties the list.
bool CaptureSession::capturing() const {
  std::lock_guard lock(notices_);
  return !inFlight_.empty();
}

void CaptureSession::bufferDone(std::size_t slot, std::size_t bytes) {
  {
    std::lock_guard lock(notices_);
    if (slot >= returned_.size() || std::find(inFlight_.begin(), inFlight_.end(), slot) == inFlight_.end()) return;
    returned_[slot] = std::min(bytes, kBufferBytes);
  }
  changed_.notify_all();
}

bool CaptureSession::queue(std::size_t slot) {
  if (stopping_) return true;
  std::fill(buffers_[slot].begin(), buffers_[slot].end(), std::byte{0});
  {
    std::lock_guard lock(notices_);
    inFlight_.push_back(slot);
    returned_[slot].reset();
  }
  if (stream_->add(slot, buffers_[slot])) return true;
  {
    std::lock_guard lock(notices_);
    inFlight_.pop_back();
  }
  changed_.notify_all();
  return false;
}

void CaptureSession::work() {
  std::unique_lock lock(notices_);
  for (;;) {
    changed_.wait(lock, [this] { return quitting_ || (!inFlight_.empty() && returned_[inFlight_.front()]); });
    if (quitting_) return;
    const std::size_t slot = inFlight_.front();
    const std::size_t bytes = *returned_[slot];
    lock.unlock();
    const std::size_t whole = bytes / blockAlign_ * blockAlign_;
    if (whole > 0) sink_(Bytes(buffers_[slot]).first(whole));
    {
      std::lock_guard control(control_);
      {
        std::lock_guard notices(notices_);
        inFlight_.pop_front();
        returned_[slot].reset();
      }
      (void)queue(slot);
    }
    changed_.notify_all();
    lock.lock();
  }
}
