#include "sound/mp3/tags.h"

#include <algorithm>
#include <cstring>

namespace mp3 {

namespace {

uint32_t bigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

}  // namespace

size_t id3v2Size(const uint8_t* data, size_t size) {
  if (size < 10 || std::memcmp(data, "ID3", 3) != 0 || data[3] == 0xFF || data[4] == 0xFF) return 0;
  if ((data[6] | data[7] | data[8] | data[9]) & 0x80) return 0;  // not sync-safe
  const size_t body = (size_t{data[6]} << 21) | (size_t{data[7]} << 14) | (size_t{data[8]} << 7) | data[9];
  const bool footer = (data[5] & 0x10) != 0;
  return kId3v2HeaderBytes + body + (footer ? 10 : 0);
}

bool hasId3v1(const uint8_t* data, size_t size) { return size >= 128 && std::memcmp(data + size - 128, "TAG", 3) == 0; }

std::optional<VbrInfo> readVbrInfo(const uint8_t* frame, int length, const FrameHeader& header) {
  const int at = 4 + header.sideInfoBytes();  // the tag sits where the main data would begin
  if (length < at + 8) return std::nullopt;
  const uint8_t* p = frame + at;
  if (std::memcmp(p, "Xing", 4) != 0 && std::memcmp(p, "Info", 4) != 0) return std::nullopt;
  const uint32_t flags = bigEndian32(p + 4);
  const uint8_t* end = frame + length;
  p += 8;
  VbrInfo info;
  if (flags & 1) {
    if (p + 4 > end) return info;
    info.frames = bigEndian32(p);
    p += 4;
  }
  if (flags & 2) {
    if (p + 4 > end) return info;
    info.bytes = bigEndian32(p);
    p += 4;
  }
  if (flags & 4) {
    if (p + 100 > end) return info;
    std::array<uint8_t, 100> toc;
    std::copy(p, p + 100, toc.begin());
    info.toc = toc;
    p += 100;
  }
  if (flags & 8) p += 4;  // quality
  // LAME tag: 9 bytes of encoder name, then at offset 21 the 12-bit delay and 12-bit padding.
  if (p + 24 <= end &&
      (std::memcmp(p, "LAME", 4) == 0 || std::memcmp(p, "Lavc", 4) == 0 || std::memcmp(p, "Lavf", 4) == 0)) {
    info.encoderDelay = (p[21] << 4) | (p[22] >> 4);
    info.encoderPadding = ((p[22] & 15) << 8) | p[23];
  }
  return info;
}

uint64_t tocOffset(const std::array<uint8_t, 100>& toc, double percent, uint64_t streamBytes) {
  percent = std::clamp(percent, 0.0, 100.0);
  const int index = std::min(static_cast<int>(percent), 99);
  const double lower = toc[static_cast<size_t>(index)];
  const double upper = index < 99 ? toc[static_cast<size_t>(index + 1)] : 256.0;
  const double position = lower + (upper - lower) * (percent - index);
  return static_cast<uint64_t>(position / 256.0 * static_cast<double>(streamBytes));
}

}  // namespace mp3
