#include "features/ini_text.h"

#include <gtest/gtest.h>

namespace {

struct ReadCase {
  const char* what;
  const char* file;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }

class IniRead : public testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsValueAsTheProfileFunctionsDo) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(ini::findValue(c.file, c.section, c.key), c.expected) << c.what;
}

// "丄" and "乤" share a lead byte and differ only in a trail byte that looks like 'A' / 'a';
// "乚" has ']' as its trail byte.
INSTANTIATE_TEST_SUITE_P(
    Cases, IniRead,
    testing::Values(
        ReadCase{"plain", "[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n", "自定义音效1", "路径", "D:\\音乐\\开场.mp3"},
        ReadCase{"LF only, no final newline", "[a]\nk=v", "a", "k", "v"},
        ReadCase{"ASCII case ignored", "[Sec]\r\nKey=v\r\n", "sEC", "kEY", "v"},
        ReadCase{"double-byte trail bytes are not folded", "[丄]\r\nk=v\r\n", "乤", "k", std::nullopt},
        ReadCase{"double-byte names match exactly", "[丄]\r\nk=v\r\n", "丄", "k", "v"},
        ReadCase{"blanks around = and value", "[a]\r\n  k \t=  v w \t\r\n", "a", "k", "v w"},
        ReadCase{"query blanks trimmed", "[a]\r\nk=v\r\n", "  a ", " k\t", "v"},
        ReadCase{"blanks around section line", "   [a]  \r\nk=v\r\n", "a", "k", "v"},
        ReadCase{"blanks inside brackets trimmed", "[ a ]\r\nk=v\r\n", "a", "k", "v"},
        ReadCase{"missing section", "[a]\r\nk=v\r\n", "b", "k", std::nullopt},
        ReadCase{"missing key", "[a]\r\nk=v\r\n", "a", "x", std::nullopt},
        ReadCase{"key without = has no value", "[a]\r\nk\r\n", "a", "k", std::nullopt},
        ReadCase{"empty value", "[a]\r\nk=\r\n", "a", "k", ""},
        ReadCase{"key of the next section not seen", "[a]\r\n[b]\r\nk=v\r\n", "a", "k", std::nullopt},
        ReadCase{"lines before any section ignored", "k=v\r\n[a]\r\n", "a", "k", std::nullopt},
        ReadCase{"first of duplicate keys", "[a]\r\nk=1\r\nk=2\r\n", "a", "k", "1"},
        ReadCase{"only the first of duplicate sections", "[a]\r\nx=1\r\n[a]\r\nk=2\r\n", "a", "k", std::nullopt},
        ReadCase{"first of duplicate sections wins", "[a]\r\nk=1\r\n[a]\r\nk=2\r\n", "a", "k", "1"},
        ReadCase{"double quotes stripped", "[a]\r\nk=\"q v\"\r\n", "a", "k", "q v"},
        ReadCase{"single quotes stripped", "[a]\r\nk='q'\r\n", "a", "k", "q"},
        ReadCase{"unmatched quote kept", "[a]\r\nk=\"q\r\n", "a", "k", "\"q"},
        ReadCase{"lone quote kept", "[a]\r\nk=\"\r\n", "a", "k", "\""},
        ReadCase{"comment and junk lines", "; note\r\n[a]\r\n;k=no\r\njunk line\r\nk=v\r\n", "a", "k", "v"},
        ReadCase{"header without ] is not a section", "[a\r\nk=v\r\n", "a", "k", std::nullopt},
        ReadCase{"] as a trail byte does not close", "[乚\r\nk=v\r\n[乚]\r\nk=w\r\n", "乚", "k", "w"},
        ReadCase{"text after ] ignored", "[a] tail\r\nk=v\r\n", "a", "k", "v"},
        ReadCase{"full-width space kept in value", "[a]\r\nk=　　段落\r\n", "a", "k", "　　段落"},
        ReadCase{"= in value", "[a]\r\nk=x=y\r\n", "a", "k", "x=y"},
        ReadCase{"DOS end-of-file mark is a blank", "[a]\r\nk=v\x1a", "a", "k", "v"},
        ReadCase{"empty file", "", "a", "k", std::nullopt}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

struct EditCase {
  const char* what;
  const char* before;
  const char* after;
};

TEST(IniWrite, SetsValuesInPlaceAndKeepsEveryOtherByte) {
  const EditCase cases[] = {
      {"new file", "", "[s]\r\nk=v\r\n"},
      {"new section appended at the end", "[a]\r\nx=1\r\n", "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
      {"missing final newline", "[a]\r\nx=1", "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
      {"value replaced, LF lines kept", "; c\n[s]\nk = old \nz=2\n", "; c\n[s]\nk=v\r\nz=2\n"},
      {"new key after the section's last key", "[s]\r\nx=1\r\n\r\n[b]\r\n", "[s]\r\nx=1\r\nk=v\r\n\r\n[b]\r\n"},
      {"new key in a section at the end without newline", "[s]\r\nx=1", "[s]\r\nx=1\r\nk=v\r\n"},
      {"empty section gets its key", "[s]\r\n[b]\r\n", "[s]\r\nk=v\r\n[b]\r\n"},
      {"first of duplicate sections edited", "[s]\r\n[s]\r\nk=2\r\n", "[s]\r\nk=v\r\n[s]\r\nk=2\r\n"},
  };
  for (const EditCase& c : cases) EXPECT_EQ(ini::withValue(c.before, "s", "k", "v"), c.after) << c.what;
}

TEST(IniWrite, NotepadValueEndingInCrLfLeavesAnEmptyLineAndReadsBack) {
  const std::string file = ini::withValue("", "记事本", "内容", "第一行（#换行符）第二行\r\n");
  EXPECT_EQ(file, "[记事本]\r\n内容=第一行（#换行符）第二行\r\n\r\n");
  EXPECT_EQ(ini::findValue(file, "记事本", "内容"), "第一行（#换行符）第二行");
}

TEST(IniWrite, AValueEndingInLineEndsTakesThePlaceOfTheEmptyLinesItLeftBefore) {
  const EditCase cases[] = {
      {"its own empty line", "[记事本]\r\n内容=旧\r\n\r\n[b]\r\n", "[记事本]\r\n内容=新\r\n\r\n[b]\r\n"},
      {"at the end of the file", "[记事本]\r\n内容=旧\r\n\r\n", "[记事本]\r\n内容=新\r\n\r\n"},
      {"a second empty line is someone else's", "[记事本]\r\n内容=旧\r\n\r\n\r\n", "[记事本]\r\n内容=新\r\n\r\n\r\n"},
      {"none to take", "[记事本]\r\n内容=旧\r\nk=1\r\n", "[记事本]\r\n内容=新\r\n\r\nk=1\r\n"},
      {"never past its section", "[记事本]\r\n内容=旧\r\n[b]\r\n\r\n", "[记事本]\r\n内容=新\r\n\r\n[b]\r\n\r\n"},
  };
  for (const EditCase& c : cases) EXPECT_EQ(ini::withValue(c.before, "记事本", "内容", "新\r\n"), c.after) << c.what;
  EXPECT_EQ(ini::withValue("[s]\r\nk=old\r\n\r\n", "s", "k", "v"), "[s]\r\nk=v\r\n\r\n")
      << "a value without line ends leaves the empty line alone";
}

TEST(IniWrite, DeletesKeysAndSections) {
  const char* file = "[a]\r\nk=1\r\nj=2\r\n[b]\r\nk=3\r\n";
  EXPECT_EQ(ini::withoutKey(file, "A", "K"), "[a]\r\nj=2\r\n[b]\r\nk=3\r\n");
  EXPECT_EQ(ini::withoutKey(file, "a", "none"), file);
  EXPECT_EQ(ini::withoutSection(file, "a"), "[b]\r\nk=3\r\n");
  EXPECT_EQ(ini::withoutSection(file, "b"), "[a]\r\nk=1\r\nj=2\r\n");
  EXPECT_EQ(ini::withoutSection(file, "none"), file);
}

TEST(IniWrite, EveryWrittenValueReadsBack) {
  std::string file;
  const char* values[] = {"D:\\音乐\\开场.mp3", "x", "", "中文 with spaces", "a=b"};
  int n = 0;
  for (const char* v : values) {
    const std::string section = "自定义音效" + std::to_string(++n);
    file = ini::withValue(file, section, "路径", v);
  }
  n = 0;
  for (const char* v : values) EXPECT_EQ(ini::findValue(file, "自定义音效" + std::to_string(++n), "路径"), v);
}

}  // namespace
