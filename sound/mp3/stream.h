#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "sound/mp3/decoder.h"
#include "sound/mp3/tags.h"

namespace mp3 {

// An mp3 file held in memory, decoded frame by frame: tags at either end skipped, the Xing/Info
// frame consumed, the LAME tag's encoder delay and padding trimmed so the output has the source's
// length, and starting positions found through the table of contents.
class Stream {
 public:
  // Prepares to decode `size` bytes at `data`, which the caller keeps alive. False when they hold
  // no MPEG audio.
  bool open(const uint8_t* data, size_t size);

  int channels() const { return first_.channels(); }
  int sampleRate() const { return first_.sampleRate; }
  // Samples per channel of the whole stream, when the LAME tag tells it.
  std::optional<int64_t> lengthSamples() const;

  // Decodes up to one frame into `pcm` (kMaxSamplesPerFrame × 2 values); returns the samples per
  // channel written. 0 means the end (a frame wholly trimmed away is skipped, not reported).
  int read(int16_t* pcm);
  int read(float* pcm);

  // Continues from `percent` (0..100) of the stream.
  void seekPercent(double percent);
  // Share of the audio bytes consumed so far, 0..100.
  double progressPercent() const;

 private:
  template <typename Sample>
  int readAny(Sample* pcm);

  Decoder decoder_;
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  size_t begin_ = 0;       // after an ID3v2 tag
  size_t audioStart_ = 0;  // after the Xing/Info frame, if any
  size_t end_ = 0;         // before an ID3v1 tag
  size_t position_ = 0;
  FrameHeader first_;
  std::optional<VbrInfo> vbr_;
  int64_t skip_ = 0;        // samples still to drop from the start
  int64_t remaining_ = -1;  // samples still to deliver; -1 when the length is unknown
};

}  // namespace mp3
