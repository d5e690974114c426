#pragma once
// GBK byte-level helpers shared by the portable text code. A GBK character is one byte below 0x81,
// or a lead byte 0x81..0xFE followed by a trail byte 0x40..0xFE other than 0x7F.
#include <cstddef>
#include <string_view>

namespace gbk {

inline bool isLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
inline bool isTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// Length in bytes of the character that starts at `at` (1 or 2); a lead byte without a valid trail
// counts as a character of its own, so scanning never stops and never runs past the end.
inline std::size_t charLength(std::string_view text, std::size_t at) {
  if (at + 1 < text.size() && isLeadByte(static_cast<unsigned char>(text[at])) &&
      isTrailByte(static_cast<unsigned char>(text[at + 1])))
    return 2;
  return 1;
}

// Position of the last `c` that is a character of its own (a trail byte may equal an ASCII byte),
// or npos when there is none. `c` is below 0x80.
std::size_t lastCharacter(std::string_view text, char c);

// A path or key text cut at its last backslash, the backslash itself in neither half. Without one,
// `before` is empty and `after` is the whole text.
struct SplitAtBackslash {
  std::string_view before, after;
};
SplitAtBackslash splitAtLastBackslash(std::string_view text);

// Compares two names the way the system compares INI names: ASCII letters without regard to case,
// double-byte characters exactly (their trail bytes may look like ASCII letters but are not).
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace gbk
