// Any bytes as a settings file, with section and key taken from the input's head: reading and
// editing must stay in bounds, and a value written must read back.
#include <cstdint>
#include <string>

#include "features/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const std::size_t sectionLength = data[0] % 8, keyLength = data[1] % 8;
  std::string_view rest = all.substr(2);
  const std::string_view section = rest.substr(0, sectionLength);
  rest.remove_prefix(section.size());
  const std::string_view key = rest.substr(0, keyLength);
  rest.remove_prefix(key.size());

  (void)ini::findValue(rest, section, key);
  (void)ini::withoutKey(rest, section, key);
  (void)ini::withoutSection(rest, section);
  const std::string edited = ini::withValue(rest, section, key, "v");
  (void)ini::findValue(edited, section, key);
  return 0;
}
