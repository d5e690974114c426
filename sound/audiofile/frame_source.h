#pragma once
// What the audio-file player needs of an mp3 decoder: the file's PCM frame by frame, how far it
// has got, and a start part way in.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace audiofile {

// Samples are always signed 16-bit, interleaved.
struct PcmFormat {
  int channels = 0;
  int sampleRate = 0;
  friend bool operator==(const PcmFormat&, const PcmFormat&) = default;
};

struct PcmFrame {
  PcmFormat format;
  std::span<const std::int16_t> samples;  // valid until the next call to the source
};

class FrameSource {
 public:
  virtual ~FrameSource() = default;
  // The next frame; nothing at the end of the stream.
  [[nodiscard]] virtual std::optional<PcmFrame> nextFrame() = 0;
  // The share of the file decoded so far, 0..100.
  [[nodiscard]] virtual double progressPercent() const = 0;
  // Before the first frame only: continues from `percent` (0..100] of the file, found through the
  // stream's table of contents when it has one, else in proportion to its frames.
  virtual void seekToPercent(double percent) = 0;
};

class FrameSourceFactory {
 public:
  virtual ~FrameSourceFactory() = default;
  // A decoder over a whole file's bytes; nothing when they hold no stream it knows.
  [[nodiscard]] virtual std::unique_ptr<FrameSource> open(std::vector<std::uint8_t> file) = 0;
};

}  // namespace audiofile
