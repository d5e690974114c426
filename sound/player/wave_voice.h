#pragma once
// One playing WAV: its own copy of the samples, twenty buffers, a device stream and a feeder thread
// that keeps the device supplied until the data ends (or, looping, until stopped), then frees all.
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

#include "sound/player/buffer_block.h"
#include "sound/player/feeder_signal.h"
#include "sound/player/wave_image.h"
#include "sound/player/wave_output.h"

class VoiceList;

// A feeder waiting this long with no buffer coming back takes the device as stalled and ends.
inline constexpr std::chrono::milliseconds kFeederWaitLimit{8888};

class WaveVoice final : public WaveCompletion {
 public:
  // A voice ready to feed, with its device open; nothing when memory runs out or the device cannot
  // be opened with the image's format.
  [[nodiscard]] static std::unique_ptr<WaveVoice> Create(const WaveImage& image, bool loop, WaveOutput& output,
                                                         std::chrono::milliseconds stallLimit);

  // Starts the feeder thread; the voice must be in `list`, and the feeder removes (and frees) it
  // from there when it ends. False when no thread could be made: the voice is then still the
  // caller's to remove.
  [[nodiscard]] bool startFeeder(VoiceList& list);
  void stop() { signal_.stop(); }

  void bufferDone() override;

 private:
  WaveVoice(bool loop, std::chrono::milliseconds stallLimit) : loop_(loop), stallLimit_(stallLimit) {}
  void feed();
  // Queues the next stretch of samples; false when the device refused it.
  [[nodiscard]] bool queueNext(WaveBuffer& buffer);
  [[nodiscard]] std::uint32_t freeBuffers();
  void unprepareAll();

  std::unique_ptr<std::byte[]> samples_;
  std::unique_ptr<WaveStream> stream_;
  std::uint32_t length_ = 0;
  BufferBlock buffers_;
  std::uint32_t free_ = kBuffersPerVoice;  // guarded by lock_
  std::uint32_t next_ = 0;
  std::uint32_t position_ = 0;
  FeederSignal signal_{kBuffersPerVoice, kBuffersPerVoice};
  std::mutex lock_;
  const bool loop_;
  const std::chrono::milliseconds stallLimit_;
};
