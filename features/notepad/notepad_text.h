#pragma once
// The notepad's text as 配置.ini keeps it: one INI line in which every line break of the edit box
// is the marker "（#换行符）", with a CR LF appended. Both directions scan by whole GBK characters,
// so a marker is never found across the two bytes of a character.
#include <string>
#include <string_view>

namespace notepad {

inline constexpr std::string_view kSection = "记事本";
inline constexpr std::string_view kKey = "内容";
inline constexpr std::string_view kLineBreakMarker = "（#换行符）";

// Every occurrence of `from` that begins on a character boundary replaced by `to`; the scan goes on
// after each replacement, so a replacement is never matched again.
std::string replaceWholeCharacters(std::string_view text, std::string_view from, std::string_view to);

// The edit box's text → the value written under 内容. A lone CR or LF becomes the marker too: left
// raw it would end the INI line and lose the rest of the notes at the next load.
std::string storedForm(std::string_view editText);

// The value read from 内容 → the edit box's text.
std::string shownForm(std::string_view storedValue);

}  // namespace notepad
