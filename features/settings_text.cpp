#include "features/settings_text.h"

#include <algorithm>
#include <cassert>

#include "features/encoding/gbk_unicode.h"
#include "features/encoding/unicode_forms.h"

namespace {

constexpr std::string_view kUtf16leMark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool holdsNonAscii(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

SettingsEncoding encodingOf(std::string_view bytes) {
  if (bytes.starts_with(kUtf16leMark)) return SettingsEncoding::utf16leWithMark;
  if (bytes.starts_with(kUtf8Mark)) return SettingsEncoding::utf8WithMark;
  if (holdsNonAscii(bytes) && unicode::isStrictUtf8(bytes)) return SettingsEncoding::utf8;
  return SettingsEncoding::gbk;
}

}  // namespace

SettingsText::SettingsText(std::string fileBytes) : bytes_(std::move(fileBytes)), encoding_(encodingOf(bytes_)) {
  textEnd_ = bytes_.size();
  if (encoding_ == SettingsEncoding::gbk) return;
  const bool utf16 = encoding_ == SettingsEncoding::utf16leWithMark;
  textBegin_ = utf16 ? kUtf16leMark.size() : encoding_ == SettingsEncoding::utf8WithMark ? kUtf8Mark.size() : 0;
  const std::size_t unit = utf16 ? 2 : 1;
  textEnd_ = textBegin_ + (bytes_.size() - textBegin_) / unit * unit;

  const std::string_view text = std::string_view(bytes_).substr(textBegin_, textEnd_ - textBegin_);
  std::size_t lineBegin = 0;
  for (std::size_t at = 0; at < text.size(); at += unit) {
    const bool newline = text[at] == '\n' && (!utf16 || text[at + 1] == '\0');
    if (!newline && at + unit < text.size()) continue;
    const std::string_view line = text.substr(lineBegin, at + unit - lineBegin);
    gbkLineStarts_.push_back(gbk_.size());
    byteLineStarts_.push_back(textBegin_ + lineBegin);
    gbk_ += gbk::fromUnicode(utf16 ? unicode::fromUtf16le(line) : unicode::fromUtf8(line));
    lineBegin = at + unit;
  }
  gbkLineStarts_.push_back(gbk_.size());
  byteLineStarts_.push_back(textEnd_);
}

std::size_t SettingsText::bytePosition(std::size_t gbkPosition) const {
  if (encoding_ == SettingsEncoding::gbk) return gbkPosition;
  const auto found = std::lower_bound(gbkLineStarts_.begin(), gbkLineStarts_.end(), gbkPosition);
  assert(found != gbkLineStarts_.end() && *found == gbkPosition && "edits begin and end at line starts");
  return byteLineStarts_[static_cast<std::size_t>(found - gbkLineStarts_.begin())];
}

std::string SettingsText::encoded(std::string_view gbkText) const {
  switch (encoding_) {
    case SettingsEncoding::gbk: return std::string(gbkText);
    case SettingsEncoding::utf16leWithMark: return unicode::toUtf16le(gbk::toUnicode(gbkText));
    case SettingsEncoding::utf8:
    case SettingsEncoding::utf8WithMark: return unicode::toUtf8(gbk::toUnicode(gbkText));
  }
  return {};
}

std::string SettingsText::bytesAfter(const ini::Edit& edit) const {
  const std::size_t begin = bytePosition(edit.begin), end = bytePosition(edit.end);
  std::string out;
  out.reserve(textEnd_ + edit.text.size() * 2);
  out.append(bytes_, 0, begin).append(encoded(edit.text)).append(bytes_, end, textEnd_ - end);
  return out;
}
