#pragma once
// RIFF/WAVE images assembled from their chunks: "fmt " first, then the chunks that go before the
// sample data, "data", and the chunks after it. Odd-sized bodies get their pad byte.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct RiffChunk {
  std::array<char, 4> id;
  Bytes body;
};

RiffChunk makeChunk(std::string_view id, Bytes body);

Bytes buildWavImage(const Bytes& fmtBody, const std::vector<RiffChunk>& beforeData, const Bytes& data,
                    const std::vector<RiffChunk>& afterData);

// "fmt " bodies. `withExtraSize` adds the 2-byte extra-size field (0) of the 18-byte form.
Bytes pcmFormat(int channels, int rate, int bits, bool withExtraSize);
// MPEG Layer-3 (tag 85), mono 24 kHz 32 kbit/s, 96-byte frames, codec delay 1,393.
Bytes mpegLayer3Format();

void putLe16(Bytes& out, std::uint32_t v);
void putLe32(Bytes& out, std::uint32_t v);
void putText(Bytes& out, std::string_view text, std::size_t width);  // NUL-filled to width
