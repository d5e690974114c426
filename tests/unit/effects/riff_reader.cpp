#include "tests/unit/effects/riff_reader.h"

std::uint32_t le16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) { return le16(b, at) | le16(b, at + 2) << 16; }

std::vector<ChunkSeen> walkChunks(std::span<const std::uint8_t> image, std::size_t& consumed) {
  std::vector<ChunkSeen> chunks;
  std::size_t at = 12;
  while (at + 8 <= image.size()) {
    const std::uint32_t size = le32(image, at + 4);
    chunks.push_back({std::string(image.begin() + at, image.begin() + at + 4), size, at + 8});
    at += 8 + std::size_t(size) + (size & 1);
  }
  consumed = at;
  return chunks;
}

std::vector<float> pcmSamples(std::span<const std::uint8_t> body, int bits) {
  std::vector<float> out;
  if (bits == 8) {
    for (std::uint8_t b : body) out.push_back((float(b) - 128.0f) / 128.0f);
  } else {
    for (std::size_t i = 0; i + 1 < body.size(); i += 2) out.push_back(float(std::int16_t(le16(body, i))) / 32768.0f);
  }
  return out;
}
