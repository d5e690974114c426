#include "sound/effects/tools/wav_image.h"

#include <algorithm>

void putLe16(Bytes& out, std::uint32_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}

void putLe32(Bytes& out, std::uint32_t v) {
  putLe16(out, v & 0xFFFF);
  putLe16(out, v >> 16);
}

void putText(Bytes& out, std::string_view text, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) out.push_back(i < text.size() ? std::uint8_t(text[i]) : 0);
}

RiffChunk makeChunk(std::string_view id, Bytes body) {
  RiffChunk c{{' ', ' ', ' ', ' '}, std::move(body)};
  std::copy_n(id.begin(), std::min<std::size_t>(4, id.size()), c.id.begin());
  return c;
}

namespace {
void putChunk(Bytes& out, std::string_view id, const Bytes& body) {
  putText(out, id, 4);
  putLe32(out, std::uint32_t(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2) out.push_back(0);
}
std::string_view idOf(const RiffChunk& c) { return {c.id.data(), 4}; }
}  // namespace

Bytes buildWavImage(const Bytes& fmtBody, const std::vector<RiffChunk>& beforeData, const Bytes& data,
                    const std::vector<RiffChunk>& afterData) {
  Bytes out;
  putText(out, "RIFF", 4);
  putLe32(out, 0);
  putText(out, "WAVE", 4);
  putChunk(out, "fmt ", fmtBody);
  for (const RiffChunk& c : beforeData) putChunk(out, idOf(c), c.body);
  putChunk(out, "data", data);
  for (const RiffChunk& c : afterData) putChunk(out, idOf(c), c.body);
  const std::uint32_t riffSize = std::uint32_t(out.size() - 8);
  for (int i = 0; i < 4; ++i) out[4 + i] = std::uint8_t(riffSize >> (8 * i));
  return out;
}

Bytes pcmFormat(int channels, int rate, int bits, bool withExtraSize) {
  const int blockAlign = channels * bits / 8;
  Bytes f;
  putLe16(f, 1);
  putLe16(f, std::uint32_t(channels));
  putLe32(f, std::uint32_t(rate));
  putLe32(f, std::uint32_t(rate * blockAlign));
  putLe16(f, std::uint32_t(blockAlign));
  putLe16(f, std::uint32_t(bits));
  if (withExtraSize) putLe16(f, 0);
  return f;
}

Bytes mpegLayer3Format() {
  Bytes f;
  putLe16(f, 85);  // MPEG Layer-3
  putLe16(f, 1);   // mono
  putLe32(f, 24000);
  putLe32(f, 4000);  // 32 kbit/s
  putLe16(f, 1);     // block align
  putLe16(f, 0);     // bits per sample
  putLe16(f, 12);    // extra size
  putLe16(f, 1);     // MPEG identifier
  putLe32(f, 2);     // flags: no padding
  putLe16(f, 96);    // block size = one frame
  putLe16(f, 1);     // frames per block
  putLe16(f, 1393);  // codec delay
  return f;
}
