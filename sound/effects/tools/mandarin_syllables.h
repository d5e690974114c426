#pragma once
// The syllables of the Mandarin lines, as the gcin voice names its recordings: Zhuyin, then the
// tone (none for the first, 2 to 4, 1 for the neutral tone), e.g. 澜 → "ㄌㄢ2", 的 → "ㄉㄜ1".
#include <string_view>

// The syllable of one character (its UTF-8 bytes); empty when the lines never use it.
std::u8string_view syllableOf(std::u8string_view character);
