#pragma once

#include <cstdint>

namespace mp3 {

// One of the 32 big-values code tables: size × size code words for the pairs (x, y), row-major.
// Tables 16-23 share one code, as do 24-31; they differ in linbits. Size 0: not used.
struct HuffmanCodeTable {
  int size;
  int linbits;
  const uint16_t* codes;
  const uint8_t* lengths;
};

const HuffmanCodeTable& huffmanCodeTable(int index);

}  // namespace mp3
