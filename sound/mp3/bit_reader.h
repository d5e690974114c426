#pragma once

#include <cstddef>
#include <cstdint>

namespace mp3 {

// The 8 bytes from `byte` on as a big-endian number; bytes at or past `size` read as zero.
inline uint64_t loadBigEndian64(const uint8_t* data, size_t size, size_t byte) {
  uint64_t w = 0;
  if (byte + 8 <= size) {
    const uint8_t* p = data + byte;
    return (uint64_t{p[0]} << 56) | (uint64_t{p[1]} << 48) | (uint64_t{p[2]} << 40) | (uint64_t{p[3]} << 32) |
           (uint64_t{p[4]} << 24) | (uint64_t{p[5]} << 16) | (uint64_t{p[6]} << 8) | uint64_t{p[7]};
  }
  for (size_t i = 0; i < 8; ++i) w = (w << 8) | (byte + i < size ? data[byte + i] : 0);
  return w;
}

// Reads big-endian bit fields from a byte range. Past the end it yields zero bits and never touches
// memory outside the range, so a corrupt length field cannot make it read out of bounds.
class BitReader {
 public:
  BitReader() = default;
  BitReader(const uint8_t* data, size_t sizeBytes) : data_(data), sizeBits_(sizeBytes * 8) {}

  // The next n bits (1..32) without consuming them.
  uint32_t peek(int n) const { return static_cast<uint32_t>(window() >> (64 - n)); }
  void skip(int n) { pos_ += static_cast<size_t>(n); }
  uint32_t read(int n) {
    if (n == 0) return 0;
    uint32_t v = peek(n);
    pos_ += static_cast<size_t>(n);
    return v;
  }
  bool readBit() { return read(1) != 0; }

  size_t position() const { return pos_; }
  const uint8_t* data() const { return data_; }
  void seek(size_t bitPosition) { pos_ = bitPosition; }
  size_t sizeBits() const { return sizeBits_; }
  bool overrun() const { return pos_ > sizeBits_; }

 private:
  // 64 bits starting at the current position, the first bit in the top bit.
  uint64_t window() const { return loadBigEndian64(data_, sizeBits_ >> 3, pos_ >> 3) << (pos_ & 7); }

  const uint8_t* data_ = nullptr;
  size_t sizeBits_ = 0;
  size_t pos_ = 0;
};

}  // namespace mp3
