#pragma once
// GBK text to Unicode and back, by the build's code page 936 table. What has no counterpart
// becomes '?', as the system's own conversions make it: one per UTF-16 unit, so a character
// beyond U+FFFF becomes "??".
#include <string>
#include <string_view>

namespace gbk {

std::u32string toUnicode(std::string_view gbkText);
std::string fromUnicode(std::u32string_view text);

}  // namespace gbk
