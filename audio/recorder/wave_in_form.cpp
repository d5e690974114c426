#include "audio/recorder/wave_in_form.h"

#include "sound/device/wave_format.h"

bool WaveInForm::Open() {
  (void)Close();
  const auto format = PcmWaveFormat(1, kRate, 16);
  stream_ = device_.open(format, 1, *this);
  if (!stream_) return false;
  {
    std::lock_guard lock(mutex_);
    stopping_ = filled_ = false;
  }
  worker_ = std::thread([this] { work(); });
  return stream_->add(0, buffer_) && stream_->resume();
}

bool WaveInForm::Close() {
  if (worker_.joinable()) {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
  }
  stream_.reset();
  return true;
}

std::optional<std::int16_t> WaveInForm::GetSample(std::int32_t index) const {
  if (index < 1 || index > kSampleCount) return std::nullopt;
  std::lock_guard lock(mutex_);
  return shown_[static_cast<std::size_t>(index - 1)];
}

void WaveInForm::bufferDone(std::size_t, std::size_t bytes) {
  {
    std::lock_guard lock(mutex_);
    if (bytes == buffer_.size()) {
      for (std::size_t i = 0; i < shown_.size(); ++i) shown_[i] = static_cast<std::int16_t>(readLe16(buffer_, 2 * i));
      ++blocks_;
    }
    filled_ = true;
  }
  changed_.notify_all();
}

// Hands the buffer back each time it comes back, until closing; the device is never called from
// its own notice.
void WaveInForm::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || filled_; });
    if (stopping_) return;
    filled_ = false;
    lock.unlock();
    (void)stream_->add(0, buffer_);
    lock.lock();
  }
}
