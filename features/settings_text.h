#pragma once
// The settings file as saved, by this program (GBK) or by a text editor: UTF-16LE or UTF-8 with
// their byte-order marks, or UTF-8 without one. Its text is seen as GBK, as the INI engine reads
// it, and an edit of that text comes back in the file's own encoding, every other line's bytes
// as they were (a character with no GBK form, read as '?', is only lost on the line edited).
//
// A file without a mark is UTF-8 when all of it is strict UTF-8 and it holds at least one
// non-ASCII character; anything else is GBK. GBK text that is also strict UTF-8 is rare beyond a
// character or two, and plain ASCII reads the same either way.
#include <cstddef>
#include <string>
#include <vector>

#include "features/ini_text.h"

enum class SettingsEncoding { gbk, utf8, utf8WithMark, utf16leWithMark };

class SettingsText {
 public:
  explicit SettingsText(std::string fileBytes);

  SettingsEncoding encoding() const { return encoding_; }
  const std::string& bytes() const { return bytes_; }
  const std::string& gbk() const { return encoding_ == SettingsEncoding::gbk ? bytes_ : gbk_; }

  // The file's bytes after `edit`, made on gbk().
  std::string bytesAfter(const ini::Edit& edit) const;

 private:
  std::size_t bytePosition(std::size_t gbkPosition) const;
  std::string encoded(std::string_view gbkText) const;

  std::string bytes_;
  SettingsEncoding encoding_ = SettingsEncoding::gbk;
  std::size_t textBegin_ = 0, textEnd_ = 0;  // the bytes after the mark, in whole characters' units
  std::string gbk_;
  // Where each line starts, in gbk_ and in bytes_; the last entry of each is its text's end.
  std::vector<std::size_t> gbkLineStarts_, byteLineStarts_;
};
