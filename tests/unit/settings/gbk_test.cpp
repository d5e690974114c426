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
