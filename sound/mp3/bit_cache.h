#pragma once

#include <cstddef>
#include <cstdint>

#include "sound/mp3/bit_reader.h"

namespace mp3 {

// The fast reader of Huffman decoding: a 64-bit window over a BitReader's bytes from its position,
// refilled a few bytes at a time. After refill() at least 56 bits can be peeked. Like the
// BitReader it yields zero bits past the end and reads nothing outside the bytes.
class BitCache {
 public:
  explicit BitCache(const BitReader& reader)
      : data_(reader.data()), size_(reader.sizeBits() / 8), next_(reader.position() / 8) {
    refill();
    skip(static_cast<int>(reader.position() & 7));
  }

  void refill() {
    const uint64_t bytes = loadBigEndian64(data_, size_, next_);
    // Bits past the whole bytes taken are the stream's own next bits, so OR-ing them again later
    // changes nothing.
    cache_ |= bytes >> count_;
    const int take = (63 - count_) >> 3;
    next_ += static_cast<size_t>(take);
    count_ += take * 8;
  }

  // At least n (at most 56) bits ready to peek.
  void ensure(int n) {
    if (count_ < n) refill();
  }

  uint32_t peek(int n) const { return static_cast<uint32_t>(cache_ >> (64 - n)); }  // 1 <= n <= 32
  void skip(int n) {
    cache_ <<= n;
    count_ -= n;
  }
  uint32_t read(int n) {  // 1 <= n <= 32
    const uint32_t v = peek(n);
    skip(n);
    return v;
  }
  size_t position() const { return next_ * 8 - static_cast<size_t>(count_); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t next_;  // the byte after those in the cache
  uint64_t cache_ = 0;
  int count_ = 0;  // valid bits at the top of the cache
};

}  // namespace mp3
