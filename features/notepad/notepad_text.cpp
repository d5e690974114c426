#include "features/notepad/notepad_text.h"

#include "ui/gbk.h"

namespace notepad {

std::string replaceWholeCharacters(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    if (!from.empty() && text.substr(at, from.size()) == from) {
      out += to;
      at += from.size();
      continue;
    }
    const std::size_t length = gbk::charLength(text, at);
    out += text.substr(at, length);
    at += length;
  }
  return out;
}

std::string storedForm(std::string_view editText) {
  std::string value = replaceWholeCharacters(editText, "\r\n", kLineBreakMarker);
  value = replaceWholeCharacters(value, "\r", kLineBreakMarker);
  value = replaceWholeCharacters(value, "\n", kLineBreakMarker);
  return value + "\r\n";
}

std::string shownForm(std::string_view storedValue) {
  return replaceWholeCharacters(storedValue, kLineBreakMarker, "\r\n");
}

}  // namespace notepad
