// Any bytes as a settings file, with a section and key made from the input's first bytes: reading
// and editing must stay in bounds, and a value just written must read back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "features/ini_text.h"

namespace {
// Names of letters and digits only, so every name has a line of its own that reads back.
std::string nameFrom(std::string_view bytes) {
  static const char alphabet[] = "abcXYZ019";
  std::string name;
  for (char c : bytes) name += alphabet[static_cast<unsigned char>(c) % (sizeof alphabet - 1)];
  return name.empty() ? "n" : name;
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

  (void)ini::findValue(rest, section, key);
  (void)ini::withoutKey(rest, section, key);
  (void)ini::withoutSection(rest, section);
  const std::string edited = ini::withValue(rest, section, key, "v w");
  if (ini::findValue(edited, section, key) != "v w") std::abort();
  return 0;
}
