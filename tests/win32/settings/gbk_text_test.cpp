#include "ui/gbk_text_win32.h"

#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

#include "features/encoding/gbk_table.h"
#include "features/encoding/gbk_unicode.h"

TEST(GbkText, ConvertsWithCodePage936WhateverTheSystemCodePage) {
  // "澜星" in GBK is 0xC0BD 0xD0C7; in UTF-16 U+6F9C U+661F.
  EXPECT_EQ(wideFromGbk("\xC0\xBD\xD0\xC7"), std::wstring(L"\x6F9C\x661F"));
  EXPECT_EQ(gbkFromWide(L"\x6F9C\x661F"), "\xC0\xBD\xD0\xC7");
  EXPECT_EQ(wideFromGbk(""), L"");
  EXPECT_EQ(gbkFromWide(L"A\x3000"
                        L"b"),
            "A\xA1\xA1"
            "b");
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

TEST(GbkText, TheBuildsTableAgreesWithTheSystemsCodePage936) {
  std::size_t agreed = 0, onlyTheSystem = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead)
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const char code[] = {static_cast<char>(lead), static_cast<char>(trail)};
      wchar_t wide[2];
      const int units = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, code, 2, wide, 2);
      const std::u32string table = gbk::toUnicode(std::string_view(code, 2));
      if (table == U"?") {
        onlyTheSystem += units == 1;
        continue;
      }
      ASSERT_EQ(units, 1) << std::hex << lead << trail;
      EXPECT_EQ(char32_t{wide[0]}, table[0]) << std::hex << lead << trail;
      ++agreed;
    }
  EXPECT_EQ(agreed, gbk::kUnicodeToDoubleByteCount);
  // The system gives the few codes the table lacks private-use characters.
  std::printf("codes only the system maps: %zu\n", onlyTheSystem);
}
