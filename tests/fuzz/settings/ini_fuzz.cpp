// Any bytes as a settings file in any of its encodings, with a section and key made from the
// input's first bytes: reading and editing must stay in bounds, a value just written must read
// back, and a file with a byte-order mark keeps it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "features/ini_text.h"
#include "features/settings_text.h"

namespace {
// Names of letters and digits only, so every name has a line of its own that reads back.
std::string nameFrom(std::string_view bytes) {
  static const char alphabet[] = "abcXYZ019";
  std::string name;
  for (char c : bytes) name += alphabet[static_cast<unsigned char>(c) % (sizeof alphabet - 1)];
  return name.empty() ? "n" : name;
}

bool hasMark(SettingsEncoding encoding) {
  return encoding == SettingsEncoding::utf16leWithMark || encoding == SettingsEncoding::utf8WithMark;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  std::string_view rest = all.substr(2);
  const std::string_view sectionBytes = rest.substr(0, data[0] % 4);
  rest.remove_prefix(sectionBytes.size());
  const std::string_view keyBytes = rest.substr(0, data[1] % 4);
  rest.remove_prefix(keyBytes.size());
  const std::string section = nameFrom(sectionBytes), key = nameFrom(keyBytes);

  const SettingsText text{std::string(rest)};
  const std::string& file = text.gbk();
  (void)ini::findValue(file, section, key);
  (void)text.bytesAfter(ini::removingKey(file, section, key));
  (void)text.bytesAfter(ini::removingSection(file, section));
  const SettingsText edited(text.bytesAfter(ini::settingValue(file, section, key, "v w")));
  if (hasMark(text.encoding()) && edited.encoding() != text.encoding()) std::abort();
  // A GBK file whose only bytes that are no UTF-8 were on the edited line reads as UTF-8 afterwards;
  // the guess between the two cannot see what was there before.
  const bool guessedAnew = text.encoding() == SettingsEncoding::gbk && edited.encoding() == SettingsEncoding::utf8;
  if (!guessedAnew && ini::findValue(edited.gbk(), section, key) != "v w") std::abort();
  return 0;
}
