#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace mp3 {

enum class MpegVersion : uint8_t { Mpeg1, Mpeg2, Mpeg25 };
enum class ChannelMode : uint8_t { Stereo, JointStereo, DualChannel, Mono };

// One Layer III frame header (4 bytes).
struct FrameHeader {
  MpegVersion version = MpegVersion::Mpeg1;
  bool hasCrc = false;
  int bitrateIndex = 0;     // 0 = free format
  int sampleRateIndex = 0;  // 0..2 within the version
  int bitrateKbps = 0;      // 0 for free format
  int sampleRate = 0;
  bool padding = false;
  ChannelMode mode = ChannelMode::Stereo;
  int modeExtension = 0;  // bit 1: MS stereo, bit 0: intensity stereo (joint stereo only)

  bool lsf() const { return version != MpegVersion::Mpeg1; }  // MPEG-2/2.5 "low sampling frequency"
  int channels() const { return mode == ChannelMode::Mono ? 1 : 2; }
  int granules() const { return lsf() ? 1 : 2; }
  int samplesPerFrame() const { return 576 * granules(); }
  int sideInfoBytes() const;
  // Bytes of header, CRC and side information, before the main data.
  int prefixBytes() const { return 4 + (hasCrc ? 2 : 0) + sideInfoBytes(); }
  // Whole frame length in bytes; 0 for free format, whose length comes from the stream.
  int frameBytes() const;
  // Frame length = slotBytes · bit rate / sample rate, plus padding.
  int slotBytes() const { return lsf() ? 72 : 144; }
  // Index 0..8 over the nine sample rates (MPEG-1, MPEG-2, MPEG-2.5 in turn).
  int rateTableIndex() const { return static_cast<int>(version) * 3 + sampleRateIndex; }
};

// Parses four bytes as a Layer III header; nothing for a bad sync, another layer or a reserved field.
std::optional<FrameHeader> parseHeader(const uint8_t* bytes);

// Whether two headers can belong to the same stream: same version, sample rate and bitrate kind
// (free format or not). The channel mode may change from one frame to the next.
bool sameStream(const FrameHeader& a, const FrameHeader& b);

}  // namespace mp3
