#include "features/encoding/gbk_unicode.h"

#include <algorithm>

#include "features/encoding/gbk_table.h"
#include "ui/gbk.h"

namespace gbk {

namespace {

char32_t doubleByteCharacter(unsigned char lead, unsigned char trail) {
  const std::size_t trailPosition = trail - 0x40u - (trail > 0x7F ? 1u : 0u);
  return kDoubleByteToUnicode[(lead - 0x81u) * kTrailBytes + trailPosition];
}

}  // namespace

std::u32string toUnicode(std::string_view gbkText) {
  std::u32string text;
  text.reserve(gbkText.size());
  for (std::size_t i = 0; i < gbkText.size();) {
    const auto byte = static_cast<unsigned char>(gbkText[i]);
    const std::size_t length = charLength(gbkText, i);
    if (length == 2) {
      const char32_t c = doubleByteCharacter(byte, static_cast<unsigned char>(gbkText[i + 1]));
      text += c ? c : U'?';
    } else {
      text += byte < 0x80 ? char32_t{byte} : U'?';
    }
    i += length;
  }
  return text;
}

std::string fromUnicode(std::u32string_view text) {
  const UnicodeToDoubleByte* const begin = kUnicodeToDoubleByte;
  const UnicodeToDoubleByte* const end = begin + kUnicodeToDoubleByteCount;
  std::string gbkText;
  gbkText.reserve(text.size() * 2);
  for (const char32_t c : text) {
    if (c < 0x80) {
      gbkText += static_cast<char>(c);
      continue;
    }
    const auto* found = std::lower_bound(
        begin, end, c, [](const UnicodeToDoubleByte& entry, char32_t wanted) { return entry.character < wanted; });
    if (found != end && found->character == c) {
      gbkText += static_cast<char>(found->code >> 8);
      gbkText += static_cast<char>(found->code & 0xFF);
    } else {
      gbkText.append(c > 0xFFFF ? 2 : 1, '?');
    }
  }
  return gbkText;
}

}  // namespace gbk
