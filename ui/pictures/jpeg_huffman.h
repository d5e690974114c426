#pragma once
// The entropy-coded data of a JPEG scan: the Huffman tables that DHT defines and a bit reader that
// undoes byte stuffing, stops at the next marker and knows when a scan asks for more bits than
// its data holds.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

class JpegHuffmanTable {
 public:
  // From the counts of codes of each length 1..16 and the symbols in code order; nothing when the
  // counts overfill the code space (the all-ones code of a length is never a code).
  static std::optional<JpegHuffmanTable> build(const std::array<std::uint8_t, 16>& counts, std::string_view symbols);

 private:
  friend class JpegBitReader;
  static constexpr int kFastBits = 9;
  // Codes up to kFastBits long, found from that many bits at once: length << 8 | symbol, 0 if longer.
  std::array<std::uint16_t, 1 << kFastBits> fast_{};
  // Per length: the largest code (-1 if none) and what turns a code into an index in symbols_.
  std::array<std::int32_t, 17> maxCode_{};
  std::array<std::int32_t, 17> indexOffset_{};
  std::array<std::uint8_t, 256> symbols_{};
};

class JpegBitReader {
 public:
  // `data` runs from the first byte of the scan's coded data to the end of the file.
  explicit JpegBitReader(std::string_view data) : data_(data) {}

  // The next symbol, or -1 when the bits are no code of the table.
  int symbol(const JpegHuffmanTable& table);
  // The next `n` bits (0..16) as the signed value they code: a coefficient or a DC difference.
  int signedBits(int n);
  // Whether the scan has asked for bits beyond its data, that is, the scan is truncated.
  bool overran() const { return overran_; }
  // At the end of a restart interval: drops the padding bits and steps over RSTn, n = `index`;
  // false when that marker is not next.
  [[nodiscard]] bool restart(int index);
  // Bytes read so far; the next marker follows.
  std::size_t position() const { return at_; }

 private:
  void fill();
  void consume(int n);

  std::string_view data_;
  std::size_t at_ = 0;
  std::uint32_t bits_ = 0;  // left-aligned
  int count_ = 0;           // bits held in bits_
  int padding_ = 0;         // of those, the zeros put after the end of the data
  bool atMarker_ = false;
  bool overran_ = false;
};
