#pragma once
// A plain reading of a WAV image for the tests: its chunks in order and its format fields.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct ChunkSeen {
  std::string id;
  std::uint32_t size;
  std::size_t bodyAt;  // offset of the body in the image
};

// Every chunk from offset 12 to the end of the image, stepping over pad bytes. `consumed` is where
// the walk ended: the image length for a well-formed image.
std::vector<ChunkSeen> walkChunks(std::span<const std::uint8_t> image, std::size_t& consumed);

// The catalogue's bytes as octets, for the readings here.
inline std::span<const std::uint8_t> octets(std::span<const std::byte> bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

std::uint32_t le16(std::span<const std::uint8_t> b, std::size_t at);
std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at);

// The samples of a PCM "data" body as floats in [-1, 1), channels interleaved.
std::vector<float> pcmSamples(std::span<const std::uint8_t> body, int bits);
