#pragma once
// The wave-output device as the effect player uses it. The Windows build implements it over winmm;
// tests implement it with a device that completes buffers on a thread of its own.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "sound/player/bytes.h"

// One of a voice's buffers: a data area and how much of it to play.
struct WaveBuffer {
  std::byte* data;
  std::uint32_t length;
  std::uint32_t index;  // 0..19, so the device can keep per-buffer state of its own
  bool prepared;        // handed to the device and not yet unprepared
};

// Told by the device, on the device's own thread, each time it has finished with a buffer.
class WaveCompletion {
 public:
  virtual void bufferDone() = 0;

 protected:
  ~WaveCompletion() = default;
};

// An opened output stream; closing it (the destructor) happens after every buffer is unprepared.
class WaveStream {
 public:
  virtual ~WaveStream() = default;
  // Prepares the buffer and queues it; false when the device refuses it.
  [[nodiscard]] virtual bool write(WaveBuffer& buffer) = 0;
  virtual void unprepare(WaveBuffer& buffer) = 0;
  // Pauses, then resets: every queued buffer comes back as done.
  virtual void pauseAndReset() = 0;
};

class WaveOutput {
 public:
  virtual ~WaveOutput() = default;
  // Opens the default output with the format as the device takes it (see DeviceWaveFormat); nothing
  // when there is no device or it cannot play the format.
  [[nodiscard]] virtual std::unique_ptr<WaveStream> open(Bytes format, WaveCompletion& completion) = 0;
};
