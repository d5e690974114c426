#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "sound/mp3/frame_header.h"

namespace mp3 {

// Bytes taken by an ID3v2 tag at the start (header, body by its sync-safe size, footer if
// flagged), or 0 when there is none.
size_t id3v2Size(const uint8_t* data, size_t size);
constexpr size_t kId3v2HeaderBytes = 10;

// Whether the last 128 bytes are an ID3v1 tag ("TAG").
bool hasId3v1(const uint8_t* data, size_t size);

// The Xing/Info header in the first frame of a VBR (or LAME CBR) stream, with the LAME tag's
// encoder delay and padding when present.
struct VbrInfo {
  std::optional<uint32_t> frames;               // audio frames, not counting this one
  std::optional<uint32_t> bytes;                // stream bytes, this frame included
  std::optional<std::array<uint8_t, 100>> toc;  // byte position at each percent, in 1/256 of `bytes`
  int encoderDelay = -1;                        // samples; -1 without a LAME tag
  int encoderPadding = -1;
};

// Reads the Xing/Info header of the frame at `frame` (`length` bytes), if it has one.
std::optional<VbrInfo> readVbrInfo(const uint8_t* frame, int length, const FrameHeader& header);

// The byte offset, within a stream of `streamBytes`, to start at `percent` (0..100) through the
// table of contents, interpolating between its entries.
uint64_t tocOffset(const std::array<uint8_t, 100>& toc, double percent, uint64_t streamBytes);

}  // namespace mp3
