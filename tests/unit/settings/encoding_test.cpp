// The conversions under the settings file's encodings: the GBK table both ways, UTF-8 and UTF-16LE.
#include <gtest/gtest.h>

#include "features/encoding/gbk_table.h"
#include "features/encoding/gbk_unicode.h"
#include "features/encoding/unicode_forms.h"

namespace {

TEST(GbkUnicode, KnownCharactersBothWays) {
  // "澜星" is 0xC0BD 0xD0C7, the ideographic space 0xA1A1, "（" 0xA3A8.
  const std::string gbkText = "A\xC0\xBD\xD0\xC7\xA1\xA1\xA3\xA8";
  const std::u32string unicodeText = U"A\u6F9C\u661F\u3000\uFF08";
  EXPECT_EQ(gbk::toUnicode(gbkText), unicodeText);
  EXPECT_EQ(gbk::fromUnicode(unicodeText), gbkText);
  EXPECT_EQ(gbk::toUnicode("配置.ini"), U"\u914D\u7F6E.ini") << "the compiler's GBK and the table agree";
}

TEST(GbkUnicode, EveryCodeOfTheTableRoundTrips) {
  std::size_t characters = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      const std::u32string c = gbk::toUnicode(code);
      ASSERT_EQ(c.size(), 1u);
      if (c == U"?") continue;
      ++characters;
      EXPECT_EQ(gbk::fromUnicode(c), code) << std::hex << lead << trail;
    }
  EXPECT_EQ(characters, gbk::kUnicodeToDoubleByteCount) << "no two codes share a character";
  EXPECT_GT(characters, 21000u);
}

TEST(GbkUnicode, WhatHasNoCounterpartBecomesAQuestionMark) {
  const struct {
    const char* what;
    std::string gbkText;
    std::u32string unicodeText;
  } decodes[] = {
      {"lone lead byte at the end", "a\xC0", U"a?"},
      {"lead byte before an ASCII byte", std::string("\x81\x30", 2), U"?0"},
      {"0x80 and 0xFF", "\x80\xFF", U"??"},
      {"unassigned code", "\xA2\xE3", U"?"},
      {"user-defined row", "\xAA\xA1", U"\uE000"},
  };
  for (const auto& d : decodes) EXPECT_EQ(gbk::toUnicode(d.gbkText), d.unicodeText) << d.what;
  EXPECT_EQ(gbk::fromUnicode(U"x\u00E4\uFFFD"), "x??");
  EXPECT_EQ(gbk::fromUnicode(U"\U0001F600"), "??") << "one per UTF-16 unit, as the system counts";
}

TEST(Utf8, StrictnessTable) {
  const struct {
    const char* what;
    std::string bytes;
    bool strict;
  } cases[] = {
      {"ASCII", "plain", true},
      {"two, three and four bytes", "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80", true},
      {"overlong two bytes", "\xC0\x80", false},
      {"overlong three bytes", "\xE0\x80\xAF", false},
      {"surrogate", "\xED\xA0\x80", false},
      {"past U+10FFFF", "\xF4\x90\x80\x80", false},
      {"cut short at the end", "\xE4\xB8", false},
      {"lone continuation byte", "\x80", false},
      {"GBK 澜星", "\xC0\xBD\xD0\xC7", false},
      {"GBK 路径", "\xC2\xB7\xBE\xB6", false},
  };
  for (const auto& c : cases) EXPECT_EQ(unicode::isStrictUtf8(c.bytes), c.strict) << c.what;
}

TEST(Utf8, MalformedBytesEachBecomeOneReplacement) {
  EXPECT_EQ(unicode::fromUtf8("a\xE4\xB8-\xC0\x80"), U"a\uFFFD\uFFFD-\uFFFD\uFFFD");
  const std::u32string text = U"a\u00E9\u4E2D\U0001F600";
  EXPECT_EQ(unicode::fromUtf8(unicode::toUtf8(text)), text);
  EXPECT_EQ(unicode::toUtf8(U"\u4E2D"), "\xE4\xB8\xAD");
}

TEST(Utf16le, PairsSurrogatesAndReplacesLoneOnes) {
  EXPECT_EQ(unicode::toUtf16le(U"A\u4E2D\U0001F600"), std::string("A\0\x2D\x4E\x3D\xD8\x00\xDE", 8));
  EXPECT_EQ(unicode::fromUtf16le(std::string("A\0\x2D\x4E\x3D\xD8\x00\xDE", 8)), U"A\u4E2D\U0001F600");
  EXPECT_EQ(unicode::fromUtf16le(std::string("\x3D\xD8"
                                             "A\0"
                                             "\x00\xDE",
                                             6)),
            U"\uFFFDA\uFFFD");
  EXPECT_EQ(unicode::fromUtf16le(std::string("A\0B", 3)), U"A") << "a last odd byte is no character";
}

}  // namespace
