#pragma once
// The GBK double-byte table, written at build time by make_gbk_table.py.
#include <cstddef>
#include <cstdint>

namespace gbk {

inline constexpr std::size_t kLeadBytes = 0xFE - 0x81 + 1;
inline constexpr std::size_t kTrailBytes = 0xFE - 0x40;  // 0x40..0xFE without 0x7F
inline constexpr std::size_t kDoubleByteCodes = kLeadBytes * kTrailBytes;

// Indexed by (lead - 0x81) * kTrailBytes + trail position; 0 where the code has no character.
extern const std::uint16_t kDoubleByteToUnicode[kDoubleByteCodes];

struct UnicodeToDoubleByte {
  std::uint16_t character, code;
};
// Sorted by character.
extern const std::size_t kUnicodeToDoubleByteCount;
extern const UnicodeToDoubleByte kUnicodeToDoubleByte[];

}  // namespace gbk
