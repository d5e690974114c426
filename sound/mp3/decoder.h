#pragma once

#include <cstddef>
#include <cstdint>

#include "sound/mp3/frame_sync.h"
#include "sound/mp3/scale_factors.h"
#include "sound/mp3/side_info.h"
#include "sound/mp3/synthesis.h"

namespace mp3 {

constexpr int kMaxSamplesPerFrame = 1152;  // per channel

enum class DecodeStatus {
  Frame,         // a frame was decoded (its samples may be silence if it could not be)
  NeedMoreData,  // drop `consumed` bytes, append more input and call again
  EndOfStream,   // no further frame in the input (only when told it is the end)
};

struct DecodeResult {
  DecodeStatus status = DecodeStatus::EndOfStream;
  size_t consumed = 0;  // bytes the caller drops from the front of its input
  int samples = 0;      // per channel, written to the PCM buffer
  FrameHeader header;   // of the decoded frame
};

// MPEG-1/2/2.5 Layer III decoder. The caller owns it (about 23 KB, no allocation); each call
// decodes at most one frame from the front of its input. Bytes before the frame (junk, tags the
// caller did not strip) are skipped.
class Decoder {
 public:
  Decoder() { reset(); }

  // Forgets the stream: lock, bit reservoir and filter history (before a seek or a new file).
  void reset();

  // `pcm` receives samples × channels interleaved values: kMaxSamplesPerFrame × 2 at most.
  // `endOfInput` tells that no bytes follow `data`, so a last frame need not be confirmed by the
  // next header. 16-bit output is rounded to nearest and clipped; float output is ±1 full scale.
  DecodeResult decode(const uint8_t* data, size_t size, bool endOfInput, int16_t* pcm);
  DecodeResult decode(const uint8_t* data, size_t size, bool endOfInput, float* pcm);

 private:
  template <typename Sample>
  DecodeResult decodeAny(const uint8_t* data, size_t size, bool endOfInput, Sample* pcm);
  // Appends the frame's main data to the reservoir; false if the frame cannot be decoded.
  bool fillReservoir(const uint8_t* frame, int length, const FrameHeader& h, int mainDataBegin, size_t& begin);
  template <typename Sample>
  void decodeGranules(const FrameHeader& h, const SideInfo& side, size_t begin, Sample* pcm);

  static constexpr int kReservoirBytes = 511 + kMaxFrameBytes;

  SyncLock lock_;
  float xr_[2][576];
  float overlap_[2][576];
  float slots_[18 * 32];  // IMDCT output of one channel; also the reordering scratch
  SynthesisState synthesis_[2];
  ScaleFactors scaleFactors_[2];
  int reservoirFill_;
  uint8_t reservoir_[kReservoirBytes];
};

}  // namespace mp3
