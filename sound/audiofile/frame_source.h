#pragma once
// What the audio-file player needs of an mp3 decoder: the file's PCM frame by frame, and enough
// about the stream to begin part way in.
#include <array>
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

// A VBR header's table of contents: entry i is where i percent of the playing time begins, in
// 1/256 of the file size.
using TableOfContents = std::array<std::uint8_t, 100>;

class FrameSource {
 public:
  virtual ~FrameSource() = default;
  // The next frame; nothing at the end of the stream.
  [[nodiscard]] virtual std::optional<PcmFrame> nextFrame() = 0;
  // How far into the file decoding has got, in bytes.
  [[nodiscard]] virtual std::uint64_t bytesConsumed() const = 0;
  [[nodiscard]] virtual std::optional<TableOfContents> tableOfContents() const = 0;
  [[nodiscard]] virtual std::uint32_t frameCount() const = 0;
  // Before the first frame only: decoding resumes at the first frame at or after the offset.
  virtual void seekToByte(std::uint64_t fileOffset) = 0;
  // Before the first frame only: leaves out this many frames.
  virtual void skipFrames(std::uint32_t frames) = 0;
};

class FrameSourceFactory {
 public:
  virtual ~FrameSourceFactory() = default;
  // A decoder over a whole file's bytes; nothing when they hold no stream it knows.
  [[nodiscard]] virtual std::unique_ptr<FrameSource> open(std::vector<std::uint8_t> file) = 0;
};

}  // namespace audiofile
