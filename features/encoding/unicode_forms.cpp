#include "features/encoding/unicode_forms.h"

#include <optional>

namespace unicode {

namespace {

struct Decoded {
  std::optional<char32_t> character;  // none: the bytes at this place are no UTF-8
  std::size_t length = 1;
};

Decoded decodeUtf8At(std::string_view bytes, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
  const unsigned char first = byte(0);
  if (first < 0x80) return {first, 1};
  std::size_t length;
  char32_t c, smallest;
  if (first >= 0xC2 && first <= 0xDF) {
    length = 2, c = first & 0x1F, smallest = 0x80;
  } else if (first >= 0xE0 && first <= 0xEF) {
    length = 3, c = first & 0x0F, smallest = 0x800;
  } else if (first >= 0xF0 && first <= 0xF4) {
    length = 4, c = first & 0x07, smallest = 0x10000;
  } else {
    return {};
  }
  if (at + length > bytes.size()) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {};
    c = (c << 6) | (byte(i) & 0x3F);
  }
  if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
  return {c, length};
}

// What a UTF form can carry: a surrogate or a number past U+10FFFF is no character.
char32_t encodable(char32_t c) { return c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? kReplacement : c; }

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void appendUnit(std::string& out, char32_t unit) {
  out += static_cast<char>(unit & 0xFF);
  out += static_cast<char>((unit >> 8) & 0xFF);
}

void appendUtf16le(std::string& out, char32_t c) {
  if (c < 0x10000) {
    appendUnit(out, c);
  } else {
    appendUnit(out, 0xD800 + ((c - 0x10000) >> 10));
    appendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
  }
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

template <typename AppendCharacter>
std::string encoded(std::u32string_view text, std::size_t mostBytesPerCharacter, AppendCharacter append) {
  std::string bytes;
  bytes.reserve(text.size() * mostBytesPerCharacter);
  for (const char32_t c : text) append(bytes, encodable(c));
  return bytes;
}

}  // namespace

bool isStrictUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const Decoded d = decodeUtf8At(bytes, i);
    if (!d.character) return false;
    i += d.length;
  }
  return true;
}

std::u32string fromUtf8(std::string_view bytes) {
  std::u32string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const Decoded d = decodeUtf8At(bytes, i);
    text += d.character.value_or(kReplacement);
    i += d.length;
  }
  return text;
}

std::string toUtf8(std::u32string_view text) { return encoded(text, 3, appendUtf8); }

std::u32string fromUtf16le(std::string_view bytes) {
  const std::size_t units = bytes.size() / 2;
  const auto unit = [&](std::size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                 (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  };
  std::u32string text;
  text.reserve(units);
  for (std::size_t i = 0; i < units; ++i) {
    const char32_t u = unit(i);
    if (isHighSurrogate(u) && i + 1 < units && isLowSurrogate(unit(i + 1))) {
      text += 0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    } else {
      text += isHighSurrogate(u) || isLowSurrogate(u) ? kReplacement : u;
    }
  }
  return text;
}

std::string toUtf16le(std::u32string_view text) { return encoded(text, 2, appendUtf16le); }

}  // namespace unicode
