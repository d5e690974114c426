// Any bytes as an mp3 file: through the stream layer (tags, Xing/LAME info, seeking) and through
// the decoder fed in chunks, in both sample formats. Everything must stay in bounds and end.
#include <cstdint>
#include <vector>

#include "sound/mp3/stream.h"

namespace {

template <typename Sample>
void decodeStream(const uint8_t* data, size_t size, double seekTo) {
  static mp3::Stream stream;
  static Sample pcm[mp3::kMaxSamplesPerFrame * 2];
  if (!stream.open(data, size)) return;
  if (seekTo > 0) stream.seekPercent(seekTo);
  while (stream.read(pcm) > 0) {}
  (void)stream.progressPercent();
}

template <typename Sample>
void decodeChunks(const uint8_t* data, size_t size, size_t chunk) {
  static mp3::Decoder decoder;
  static Sample pcm[mp3::kMaxSamplesPerFrame * 2];
  decoder.reset();
  std::vector<uint8_t> buffer;
  size_t read = 0;
  for (;;) {
    const bool end = read == size;
    const mp3::DecodeResult r = decoder.decode(buffer.data(), buffer.size(), end, pcm);
    if (r.consumed > buffer.size()) __builtin_trap();
    buffer.erase(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(r.consumed));
    if (r.status == mp3::DecodeStatus::EndOfStream) break;
    if (r.status == mp3::DecodeStatus::NeedMoreData) {
      if (end) __builtin_trap();  // at the end the decoder must decide
      const size_t n = chunk < size - read ? chunk : size - read;
      buffer.insert(buffer.end(), data + read, data + read + n);
      read += n;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t control = data[0];
  ++data, --size;
  decodeStream<int16_t>(data, size, 0);
  decodeStream<float>(data, size, (control & 63) * 1.6);
  decodeChunks<int16_t>(data, size, 64 + (control >> 6) * 700);
  return 0;
}
