#pragma once
// UTF-8 and UTF-16LE as bytes, to and from Unicode characters. Malformed input becomes U+FFFD, one
// per byte (UTF-8) or per unpaired surrogate (UTF-16), so decoding never stops.
#include <string>
#include <string_view>

namespace unicode {

inline constexpr char32_t kReplacement = 0xFFFD;

// Only shortest forms, no surrogates, nothing past U+10FFFF.
bool isStrictUtf8(std::string_view bytes);
std::u32string fromUtf8(std::string_view bytes);
std::string toUtf8(std::u32string_view text);

// `bytes` holds whole code units; a last odd byte is ignored.
std::u32string fromUtf16le(std::string_view bytes);
std::string toUtf16le(std::u32string_view text);

}  // namespace unicode
