// Huffman decoding of scan data: a table lookup for short codes, a walk over the longer lengths.
#include "ui/pictures/jpeg_huffman.h"

std::optional<JpegHuffmanTable> JpegHuffmanTable::build(const std::array<std::uint8_t, 16>& counts,
                                                        std::string_view symbols) {
  JpegHuffmanTable t;
  std::size_t total = 0;
  for (const auto c : counts) total += c;
  if (total > t.symbols_.size() || total != symbols.size()) return std::nullopt;
  for (std::size_t i = 0; i < total; ++i) t.symbols_[i] = static_cast<std::uint8_t>(symbols[i]);
  std::int32_t code = 0;
  std::int32_t index = 0;
  for (int length = 1; length <= 16; ++length) {
    const int count = counts[static_cast<std::size_t>(length - 1)];
    // As in libjpeg the codes of a length must leave its all-ones code unused.
    if (code + count >= (1 << length)) return std::nullopt;
    t.indexOffset_[length] = index - code;
    for (int i = 0; i < count; ++i, ++code, ++index) {
      if (length > kFastBits) continue;
      const int spread = 1 << (kFastBits - length);
      for (int j = 0; j < spread; ++j)
        t.fast_[static_cast<std::size_t>((code << (kFastBits - length)) + j)] =
            static_cast<std::uint16_t>(length << 8 | t.symbols_[static_cast<std::size_t>(index)]);
    }
    t.maxCode_[length] = count ? code - 1 : -1;
    code <<= 1;
  }
  return t;
}

void JpegBitReader::fill() {
  while (count_ <= 24) {
    std::uint32_t byte = 0;
    bool real = false;
    if (!atMarker_ && at_ < data_.size()) {
      byte = static_cast<unsigned char>(data_[at_]);
      real = true;
      if (byte != 0xFF) {
        ++at_;
      } else {
        // 0xFF 0x00 is a stuffed 0xFF, any run of 0xFF fill bytes before it included; anything
        // else ends the data at a marker, which is left unread.
        std::size_t next = at_ + 1;
        while (next < data_.size() && static_cast<unsigned char>(data_[next]) == 0xFF) ++next;
        if (next < data_.size() && data_[next] == 0) {
          at_ = next + 1;
        } else {
          atMarker_ = true;
          byte = 0;
          real = false;
        }
      }
    }
    // Past the data come zeros, as in libjpeg, counted so that a scan using them is known to be cut
    // short.
    if (!real) padding_ += 8;
    bits_ |= byte << (24 - count_);
    count_ += 8;
  }
}

void JpegBitReader::consume(int n) {
  bits_ <<= n;
  count_ -= n;
  if (count_ < padding_) {
    overran_ = true;
    padding_ = count_;
  }
}

int JpegBitReader::symbol(const JpegHuffmanTable& table) {
  fill();
  const std::uint16_t fast = table.fast_[bits_ >> (32 - JpegHuffmanTable::kFastBits)];
  if (fast) {
    consume(fast >> 8);
    return fast & 0xFF;
  }
  for (int length = JpegHuffmanTable::kFastBits + 1; length <= 16; ++length) {
    const auto code = static_cast<std::int32_t>(bits_ >> (32 - length));
    if (code <= table.maxCode_[length]) {
      consume(length);
      return table.symbols_[static_cast<std::size_t>(code + table.indexOffset_[length])];
    }
  }
  return -1;
}

int JpegBitReader::signedBits(int n) {
  if (n == 0) return 0;
  fill();
  const auto v = static_cast<int>(bits_ >> (32 - n));
  consume(n);
  return v < (1 << (n - 1)) ? v - (1 << n) + 1 : v;
}

bool JpegBitReader::restart(int index) {
  bits_ = 0;
  count_ = padding_ = 0;
  atMarker_ = false;
  if (at_ >= data_.size() || static_cast<unsigned char>(data_[at_]) != 0xFF) return false;
  while (at_ < data_.size() && static_cast<unsigned char>(data_[at_]) == 0xFF) ++at_;
  if (at_ >= data_.size() || static_cast<unsigned char>(data_[at_]) != 0xD0 + index) return false;
  ++at_;
  return true;
}
