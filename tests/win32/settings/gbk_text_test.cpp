#include "ui/gbk_text_win32.h"

#include <gtest/gtest.h>

TEST(GbkText, ConvertsWithCodePage936WhateverTheSystemCodePage) {
  // "澜星" in GBK is 0xC0BD 0xD0C7; in UTF-16 U+6F9C U+661F.
  EXPECT_EQ(wideFromGbk("\xC0\xBD\xD0\xC7"), std::wstring(L"\x6F9C\x661F"));
  EXPECT_EQ(gbkFromWide(L"\x6F9C\x661F"), "\xC0\xBD\xD0\xC7");
  EXPECT_EQ(wideFromGbk(""), L"");
  EXPECT_EQ(gbkFromWide(L"A\x3000" L"b"), "A\xA1\xA1" "b");
}

TEST(GbkText, RoundTripsEveryTwoByteCharacterOfARow) {
  for (int trail = 0x40; trail <= 0xFE; ++trail) {
    if (trail == 0x7F) continue;
    const std::string one{'\xB0', static_cast<char>(trail)};
    const std::wstring wide = wideFromGbk(one);
    ASSERT_EQ(wide.size(), 1u) << trail;
    EXPECT_EQ(gbkFromWide(wide), one) << trail;
  }
}
