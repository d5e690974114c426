#include "sound/player/wave_voice.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <thread>

#include "sound/player/voice_list.h"

std::unique_ptr<WaveVoice> WaveVoice::Create(const WaveImage& image, bool loop, WaveOutput& output,
                                             std::chrono::milliseconds stallLimit) {
  std::unique_ptr<WaveVoice> voice(new WaveVoice(loop, stallLimit));
  voice->length_ = static_cast<std::uint32_t>(image.data.size());
  voice->samples_.reset(new (std::nothrow) std::byte[voice->length_]);
  if (!voice->samples_ || !voice->buffers_.allocate()) return nullptr;
  std::memcpy(voice->samples_.get(), image.data.data(), voice->length_);
  voice->stream_ = output.open(image.format, *voice);
  if (!voice->stream_) return nullptr;
  return voice;
}

bool WaveVoice::startFeeder(VoiceList& list) {
  try {
    std::thread([this, &list] {
      feed();
      list.remove(*this);
    }).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

void WaveVoice::bufferDone() {
  {
    std::lock_guard lock(lock_);
    ++free_;
  }
  signal_.release(1);
}

std::uint32_t WaveVoice::freeBuffers() {
  std::lock_guard lock(lock_);
  return free_;
}

void WaveVoice::feed() {
  for (;;) {
    if (signal_.wait(stallLimit_) != FeederSignal::Outcome::wake) {
      // Stopped, or the device stalled: take every queued buffer back.
      stream_->pauseAndReset();
      break;
    }
    if (freeBuffers() < 1) continue;  // a surplus wake
    WaveBuffer& buffer = buffers_[next_];
    if (buffer.prepared) stream_->unprepare(buffer);
    if (position_ < length_) {
      if (!queueNext(buffer)) {
        stream_->pauseAndReset();
        break;
      }
      continue;
    }
    // All data queued: wait until every buffer has played.
    if (freeBuffers() < kBuffersPerVoice) continue;
    if (!loop_) break;
    {
      std::lock_guard lock(lock_);
      position_ = 0;
      next_ = 0;
      free_ = kBuffersPerVoice;
    }
    signal_.release(kBuffersPerVoice);
  }
  unprepareAll();
  stream_.reset();
  samples_.reset();
  buffers_.release();
}

bool WaveVoice::queueNext(WaveBuffer& buffer) {
  const std::uint32_t chunk = std::min(length_ - position_, kBufferBytes);
  std::memcpy(buffer.data, samples_.get() + position_, chunk);
  buffer.length = chunk;
  position_ += chunk;
  if (!stream_->write(buffer)) return false;
  {
    std::lock_guard lock(lock_);
    --free_;
  }
  next_ = (next_ + 1) % kBuffersPerVoice;
  return true;
}

void WaveVoice::unprepareAll() {
  for (std::uint32_t i = 0; i < kBuffersPerVoice; ++i)
    if (buffers_[i].prepared) stream_->unprepare(buffers_[i]);
}
