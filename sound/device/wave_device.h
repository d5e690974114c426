#pragma once
// The system's wave devices as the players and the recorder use them. A stream is opened in one
// format with a number of buffer slots; the caller hands it buffers slot by slot, to play (output)
// or to fill (input), and each one comes back through a done notice on the device's own thread.
// The Windows build implements them over winmm; tests with fakes that run threads of their own.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "sound/bytes.h"

// Told, on the device's own thread, that buffer `slot` is back: played, filled with `bytes` of
// input, or handed back early by a reset. It must not call into the stream.
class WaveDone {
 public:
  virtual void bufferDone(std::size_t slot, std::size_t bytes) = 0;

 protected:
  ~WaveDone() = default;
};

// An open output stream. Closing it (the destructor) resets it first, so every buffer is back.
class WaveOutStream {
 public:
  virtual ~WaveOutStream() = default;
  // Queues buffer `slot` to play `pcm`, whose memory stays untouched until the slot is done; false
  // when the device refuses it.
  [[nodiscard]] virtual bool write(std::size_t slot, Bytes pcm) = 0;
  [[nodiscard]] virtual bool pause() = 0;
  [[nodiscard]] virtual bool resume() = 0;
  // Every queued buffer comes back as done, played or not.
  [[nodiscard]] virtual bool reset() = 0;
};

class WaveOutDevice {
 public:
  virtual ~WaveOutDevice() = default;
  // Opens the device in `format` (a wave format record, see wave_format.h) with room for `slots`
  // buffers; nothing when there is no device or it cannot play the format.
  [[nodiscard]] virtual std::unique_ptr<WaveOutStream> open(Bytes format, std::size_t slots, WaveDone& done) = 0;
};

// An open input stream; it captures only between resume and pause. Closing it (the destructor)
// resets it first, so every buffer is back.
class WaveInStream {
 public:
  virtual ~WaveInStream() = default;
  // Queues buffer `slot` to be filled, whose memory stays untouched until the slot is done; false
  // when the device refuses it.
  [[nodiscard]] virtual bool add(std::size_t slot, std::span<std::byte> area) = 0;
  // Stops input: the buffer being filled comes back as done, the others stay queued.
  [[nodiscard]] virtual bool pause() = 0;
  // Starts input.
  [[nodiscard]] virtual bool resume() = 0;
  // Stops input; every queued buffer comes back as done, filled or not.
  [[nodiscard]] virtual bool reset() = 0;
  // Bytes captured since the stream was opened or last reset; nothing when the device cannot tell.
  [[nodiscard]] virtual std::optional<std::uint32_t> position() = 0;
};

class WaveInDevice {
 public:
  virtual ~WaveInDevice() = default;
  // Whether the device can capture in `format`; it opens nothing.
  [[nodiscard]] virtual bool supports(Bytes format) = 0;
  // Opens the device in `format` with room for `slots` buffers; nothing when there is no device or
  // it cannot capture in the format.
  [[nodiscard]] virtual std::unique_ptr<WaveInStream> open(Bytes format, std::size_t slots, WaveDone& done) = 0;
};
