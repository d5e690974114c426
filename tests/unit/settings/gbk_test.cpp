#include "ui/gbk.h"

#include <gtest/gtest.h>

TEST(Gbk, CharacterLengthNeverRunsPastTheEnd) {
  const std::string_view text("a\x81\x41\x81", 4);
  EXPECT_EQ(gbk::charLength(text, 0), 1u);
  EXPECT_EQ(gbk::charLength(text, 1), 2u);
  EXPECT_EQ(gbk::charLength(text, 3), 1u) << "a lead byte at the end stands alone";
  EXPECT_EQ(gbk::charLength(std::string_view("\x81\x7F", 2), 0), 1u) << "0x7F is no trail byte";
}

TEST(Gbk, FoldsOnlySingleByteLetters) {
  EXPECT_TRUE(gbk::equalIgnoringAsciiCase("Path路径", "pATH路径"));
  EXPECT_FALSE(gbk::equalIgnoringAsciiCase("\x81\x41", "\x81\x61"));
  EXPECT_FALSE(gbk::equalIgnoringAsciiCase("ab", "abc"));
  EXPECT_FALSE(gbk::equalIgnoringAsciiCase("a\x81\x41", "a\x81\x42"));
}

TEST(Gbk, SplitsAtTheLastBackslashThatIsACharacter) {
  struct Case {
    std::string_view text, before, after;
  };
  // 乗 is 81 5C and 琝 AC 5C: their trail byte is no backslash.
  const Case cases[] = {
      {"C:\\工具\\a.exe", "C:\\工具", "a.exe"},
      {"no separator", "", "no separator"},
      {"", "", ""},
      {"dir\\", "dir", ""},
      {"\\top", "", "top"},
      {"C:\\\x81\x5C.exe", "C:", "\x81\x5C.exe"},
      {"\x81\x5C\xAC\x5C", "", "\x81\x5C\xAC\x5C"},
      {"a\\\x81\x5C\\b", "a\\\x81\x5C", "b"},
      {"a\\\x81", "a", "\x81"},  // a lead byte at the end stands alone
  };
  for (const Case& c : cases) {
    const gbk::SplitAtBackslash split = gbk::splitAtLastBackslash(c.text);
    EXPECT_EQ(split.before, c.before) << c.text;
    EXPECT_EQ(split.after, c.after) << c.text;
  }
  EXPECT_EQ(gbk::lastCharacter("[\x81\x5D]", ']'), 3u) << "0x5D as a trail byte is no bracket";
  EXPECT_EQ(gbk::lastCharacter("[\x81\x5D", ']'), std::string_view::npos);
}
