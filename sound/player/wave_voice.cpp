#include "sound/player/wave_voice.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <thread>

std::unique_ptr<WaveVoice> WaveVoice::Create(const WaveImage& image, bool loop, WaveOutDevice& output,
                                             std::chrono::milliseconds stallLimit) {
  std::unique_ptr<WaveVoice> voice(new WaveVoice(loop, stallLimit));
  voice->length_ = static_cast<std::uint32_t>(image.data.size());
  voice->samples_.reset(new (std::nothrow) std::byte[voice->length_]);
  if (!voice->samples_ || !voice->buffers_.allocate(kBuffersPerVoice, kBufferBytes)) return nullptr;
  std::memcpy(voice->samples_.get(), image.data.data(), voice->length_);
  voice->stream_ = output.open(DeviceWaveFormat(image.format), kBuffersPerVoice, voice->buffers_);
  if (!voice->stream_) return nullptr;
  return voice;
}

bool WaveVoice::startFeeder(std::function<void(const WaveVoice&)> ended) {
  try {
    std::thread([this, ended = std::move(ended)] {
      feed();
      ended(*this);
    }).detach();
    return true;
  } catch (const std::system_error&) { return false; }
}

void WaveVoice::feed() {
  for (;;) {
    if (position_ < length_) {
      if (queueNext()) continue;
    } else if (buffers_.waitUntilAllDone()) {
      // Every buffer has played: a loop starts again from its first sample.
      if (!loop_) break;
      position_ = 0;
      continue;
    }
    // Stopped, stalled, or refused: take every queued buffer back.
    (void)stream_->pause();
    (void)stream_->reset();
    break;
  }
  stream_.reset();
  samples_.reset();
  buffers_.free();
}

bool WaveVoice::queueNext() {
  const std::optional<std::size_t> slot = buffers_.acquire();
  if (!slot) return false;
  const std::uint32_t chunk = std::min(length_ - position_, kBufferBytes);
  const std::span<std::byte> area = buffers_.data(*slot).first(chunk);
  std::memcpy(area.data(), samples_.get() + position_, chunk);
  position_ += chunk;
  if (stream_->write(*slot, area)) return true;
  buffers_.release(*slot);
  return false;
}
