#pragma once
// The default wave-output device as the audio-file player uses it: a stream opened for one file's
// format, fed from a ring of buffers that the device hands back one by one once played.
#include <cstddef>
#include <memory>
#include <span>

#include "sound/audiofile/frame_source.h"

namespace audiofile {

// Told, on the device's own thread, that a buffer has played (or was handed back by a reset).
class BufferDone {
 public:
  virtual void bufferDone(std::size_t slot) = 0;

 protected:
  ~BufferDone() = default;
};

// An opened stream. Closing it (the destructor) hands back every queued buffer first.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Queues buffer `slot` holding `pcm`; the memory stays untouched until the buffer is done. False
  // when the device refuses it.
  [[nodiscard]] virtual bool play(std::size_t slot, std::span<const std::byte> pcm) = 0;
  virtual void pause() = 0;
  virtual void resume() = 0;
};

class AudioOutputDevice {
 public:
  virtual ~AudioOutputDevice() = default;
  // Opens the default output for 16-bit PCM in `format` with room for `slots` buffers; nothing
  // when there is no device or it cannot play the format.
  [[nodiscard]] virtual std::unique_ptr<AudioOutput> open(PcmFormat format, std::size_t slots, BufferDone& done) = 0;
};

}  // namespace audiofile
