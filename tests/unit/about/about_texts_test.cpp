// The about boxes' texts against the table of their lines, and the contact values' safety.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "features/about/about_texts.h"
#include "features/about/contact_details.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2)
    lines.push_back(text.substr(begin, end - begin));
  lines.push_back(text.substr(begin));
  return lines;
}

std::string fullWidthSpaces(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "\xA1\xA1";  // U+3000 in GBK
  return s;
}

struct Line {
  int leadingSpaces;
  std::string text;
};

TEST(AboutTexts, PriceListIsNineLinesAsTabled) {
  const Line table[] = {
      {0, "软件收费标准如下："},
      {3, "①每个自定义音效（可设置快捷键）：　２０元"},
      {3, "②录音软件：　　　　　　　　　　　　１５元"},
      {3, "③可自由存取记事本：　　　　　　　　１５元"},
      {3, "④挂机工具：　　　　　　　　　　　　１５元"},
      {0, ""},
      {2, "※⑤定制个人音效满１０个可免费获赠所有功能"},
      {0, ""},
      {3, "注：本软件为定制一次终身免费"},
  };
  const std::vector<std::string> lines = linesOf(about::priceListText());
  ASSERT_EQ(lines.size(), std::size(table));
  for (std::size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(lines[i], fullWidthSpaces(table[i].leadingSpaces) + table[i].text) << "line " << i + 1;
  EXPECT_EQ(lines[1],
            "\xA1\xA1\xA1\xA1\xA1\xA1\xA2\xD9\xC3\xBF\xB8\xF6\xD7\xD4\xB6\xA8\xD2\xE5\xD2\xF4\xD0\xA7\xA3\xA8\xBF\xC9"
            "\xC9\xE8\xD6\xC3\xBF\xEC\xBD\xDD\xBC\xFC\xA3\xA9\xA3\xBA\xA1\xA1\xA3\xB2\xA3\xB0\xD4\xAA")
      << "GBK bytes";
}

TEST(AboutTexts, ContactBoxIsSixLinesWithTheChosenValues) {
  const std::vector<std::string> lines = linesOf(about::contactText());
  const std::vector<std::string> expected = {
      "作者联系方式如下：",
      fullWidthSpaces(3) + "①作者QQ号码：" + std::string(about::kAuthorQqNumber),
      fullWidthSpaces(3) + "②软件交流群号：" + std::string(about::kDiscussionGroupNumber),
      fullWidthSpaces(3) + "③作者邮箱地址：" + std::string(about::kAuthorEmailAddress),
      "",
      fullWidthSpaces(2) + "以上方式联系作者即可定制个人版本",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(about::kAboutTitle, "\xB9\xD8\xD3\xDA\xA3\xBA");
}

// Nothing shown or opened may reach a stranger: reserved example domains, numbers no account has.
TEST(AboutTexts, AddressesAndContactsReachNoOne) {
  const std::string_view addresses[] = {about::kHomePageAddress, about::kPersonalPageAddress, about::kStartPageAddress,
                                        about::kFallbackAddress};
  for (std::string_view a : addresses) {
    const std::string_view host = a.substr(a.find("://") + 3);
    const std::string_view name = host.substr(0, host.find('/'));
    bool reserved = false;
    for (std::string_view domain : {"example.com", "example.net", "example.org"})
      reserved |= name == domain || (name.ends_with(domain) && name[name.size() - domain.size() - 1] == '.');
    EXPECT_TRUE(reserved) << a;
  }
  EXPECT_TRUE(about::kAuthorEmailAddress.ends_with("@example.com"));
  for (std::string_view number : {about::kAuthorQqNumber, about::kDiscussionGroupNumber}) {
    ASSERT_FALSE(number.empty());
    EXPECT_EQ(number.front(), '0') << number << ": QQ numbers never start with 0";
    EXPECT_EQ(number.find_first_not_of("0123456789"), std::string_view::npos) << number;
  }
}

}  // namespace
