// WriteRegistryValue's portable half: root codes, the key text's split and the stored bytes.
#include <gtest/gtest.h>

#include "features/about/about_texts.h"
#include "features/about/registry_value.h"

namespace {

using namespace registry;

TEST(RegistryValue, RootCodes) {
  const std::pair<int, Root> cases[] = {{1, Root::classesRoot},  {2, Root::currentConfig}, {3, Root::currentUser},
                                        {4, Root::localMachine}, {5, Root::users},         {0, Root::currentUser},
                                        {6, Root::currentUser},  {-1, Root::currentUser}};
  for (auto [code, root] : cases) EXPECT_EQ(rootForCode(code), root) << code;
}

TEST(RegistryValue, SplitsAtTheLastBackslashCharacter) {
  struct Case {
    const char* name;
    std::string keyText;
    KeyAndValueName expected;
  };
  const Case cases[] = {
      {"start page",
       std::string(about::kStartPageKeyText),
       {"Software\\Microsoft\\Internet Explorer\\Main", "Start Page"}},
      {"no backslash", "Start Page", {"", "Start Page"}},
      {"trailing backslash", "Software\\Key\\", {"Software\\Key", ""}},
      {"empty", "", {"", ""}},
      // 琝 (AC 5C) and 臷 (C5 5C) have the backslash as their trail byte.
      {"trail byte 0x5C last", "Software\\\xAC\x5C", {"Software", "\xAC\x5C"}},
      {"trail byte 0x5C only", "\xC5\x5C\xAC\x5C", {"", "\xC5\x5C\xAC\x5C"}},
      {"Chinese key path", "Software\\\xC5\x5C\\名称", {"Software\\\xC5\x5C", "名称"}},
  };
  for (const Case& c : cases) EXPECT_EQ(splitKeyText(c.keyText), c.expected) << c.name;
}

TEST(RegistryValue, StoredBytesOfEachKind) {
  EXPECT_EQ(storedValue(std::string("ab")), (StoredValue{kTypeText, {'a', 'b', 0}})) << "REG_SZ keeps its zero";
  EXPECT_EQ(storedValue(std::string()), (StoredValue{kTypeText, {0}}));
  EXPECT_EQ(storedValue(std::uint32_t{0x12345678}), (StoredValue{kTypeDword, {0x78, 0x56, 0x34, 0x12}}));
  EXPECT_EQ(storedValue(std::vector<std::uint8_t>{0, 1, 0xFF}), (StoredValue{kTypeBinary, {0, 1, 0xFF}}));
  EXPECT_EQ(kTypeText, 1u);
  EXPECT_EQ(kTypeBinary, 3u);
  EXPECT_EQ(kTypeDword, 4u);
}

}  // namespace
