#pragma once
// One playing WAV: its own copy of the samples, twenty buffers, a device stream and a feeder thread
// that keeps the device supplied until the data ends (or, looping, until stopped), then frees all.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "sound/device/buffer_ring.h"
#include "sound/device/wave_device.h"
#include "sound/player/wave_image.h"

inline constexpr std::uint32_t kBuffersPerVoice = 20;
inline constexpr std::uint32_t kBufferBytes = 15360;
// A feeder waiting this long with no buffer coming back takes the device as stalled and ends.
inline constexpr std::chrono::milliseconds kFeederWaitLimit{8888};

class WaveVoice {
 public:
  // A voice ready to feed, with its device open; nothing when memory runs out or the device cannot
  // be opened with the image's format.
  [[nodiscard]] static std::unique_ptr<WaveVoice> Create(const WaveImage& image, bool loop, WaveOutDevice& output,
                                                         std::chrono::milliseconds stallLimit);

  // Starts the feeder thread, which calls `ended` with this voice as its last act: the owner frees
  // the voice there. False when no thread could be made: `ended` is then never called.
  [[nodiscard]] bool startFeeder(std::function<void(const WaveVoice&)> ended);
  // The feeder still queues the buffers that are free at that moment, then ends.
  void stop() { buffers_.stop(); }

 private:
  WaveVoice(bool loop, std::chrono::milliseconds stallLimit) : buffers_(stallLimit), loop_(loop) {}
  void feed();
  // Queues the next stretch of samples; false when no buffer came free for it or the device
  // refused it.
  [[nodiscard]] bool queueNext();

  std::unique_ptr<std::byte[]> samples_;
  std::uint32_t length_ = 0;
  std::uint32_t position_ = 0;
  BufferRing buffers_;  // outlives the stream, which hands buffers back until it is closed
  std::unique_ptr<WaveOutStream> stream_;
  const bool loop_;
};
