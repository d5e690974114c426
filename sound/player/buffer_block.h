#pragma once
// A voice's buffers in one zero-filled heap block: the headers, then their data areas.
#include <cstddef>
#include <memory>

#include "sound/player/wave_output.h"

inline constexpr std::uint32_t kBuffersPerVoice = 20;
inline constexpr std::uint32_t kBufferBytes = 15360;

class BufferBlock {
 public:
  // False when memory runs out.
  [[nodiscard]] bool allocate() {
    constexpr std::size_t headerBytes = sizeof(WaveBuffer) * kBuffersPerVoice;
    block_.reset(new (std::nothrow) std::byte[headerBytes + std::size_t{kBufferBytes} * kBuffersPerVoice]());
    if (!block_) return false;
    for (std::uint32_t i = 0; i < kBuffersPerVoice; ++i)
      new (block_.get() + i * sizeof(WaveBuffer)) WaveBuffer{block_.get() + headerBytes + i * kBufferBytes, kBufferBytes, i, false};
    return true;
  }
  void release() { block_.reset(); }

  WaveBuffer& operator[](std::uint32_t i) { return reinterpret_cast<WaveBuffer*>(block_.get())[i]; }

 private:
  std::unique_ptr<std::byte[]> block_;
};
