#include "ui/gbk.h"

namespace gbk {

namespace {
unsigned char foldAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c; }
}  // namespace

std::size_t lastCharacter(std::string_view text, char c) {
  std::size_t found = std::string_view::npos;
  for (std::size_t at = 0; at < text.size(); at += charLength(text, at))
    if (text[at] == c) found = at;
  return found;
}

SplitAtBackslash splitAtLastBackslash(std::string_view text) {
  const std::size_t at = lastCharacter(text, '\\');
  if (at == std::string_view::npos) return {{}, text};
  return {text.substr(0, at), text.substr(at + 1)};
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  std::size_t i = 0;
  while (i < a.size()) {
    const std::size_t len = charLength(a, i);
    if (len != charLength(b, i)) return false;
    if (len == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
    } else if (foldAscii(static_cast<unsigned char>(a[i])) != foldAscii(static_cast<unsigned char>(b[i]))) {
      return false;
    }
    i += len;
  }
  return true;
}

}  // namespace gbk
