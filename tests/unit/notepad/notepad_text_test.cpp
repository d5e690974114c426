// The notepad's stored form: what 配置.ini holds for a text, and that every text comes back.
#include <gtest/gtest.h>

#include <string>

#include "features/notepad/notepad_text.h"

namespace {

using namespace notepad;

// What the settings file gives back: the appended CR LF ends the INI line and does not return.
std::string asReadBack(const std::string& stored) { return stored.substr(0, stored.size() - 2); }

struct StoredCase {
  const char* name;
  std::string edit, stored, reopened;
};

TEST(NotepadStoredForm, EditTextToStoredValueAndBack) {
  const StoredCase cases[] = {
      {"three lines", "主持词\r\n第二行\r\nthird", "主持词（#换行符）第二行（#换行符）third\r\n",
       "主持词\r\n第二行\r\nthird"},
      {"a trailing line break", "结尾\r\n", "结尾（#换行符）\r\n", "结尾\r\n"},
      {"empty", "", "\r\n", ""},
      {"only line breaks", "\r\n\r\n", "（#换行符）（#换行符）\r\n", "\r\n\r\n"},
      // Kept as line breaks rather than ending the INI line and losing what follows.
      {"lone CR and lone LF", "a\rb\nc", "a（#换行符）b（#换行符）c\r\n", "a\r\nb\r\nc"},
  };
  for (const StoredCase& c : cases) {
    EXPECT_EQ(storedForm(c.edit), c.stored) << c.name;
    EXPECT_EQ(shownForm(asReadBack(c.stored)), c.reopened) << c.name;
  }
}

TEST(NotepadStoredForm, StoredValueNeverHoldsALineEnd) {
  const std::string stored = storedForm("x\r\n\ry\n\n\r\r\nz");
  EXPECT_EQ(stored.find_first_of("\r\n"), stored.size() - 2);
}

TEST(NotepadStoredForm, ATypedMarkerBecomesALineBreak) {
  EXPECT_EQ(shownForm(asReadBack(storedForm("前（#换行符）后"))), "前\r\n后");
}

TEST(NotepadStoredForm, MarkerIsOnlyFoundOnCharacterBoundaries) {
  // 埃 is B0 A3: its trail byte and the bytes after it spell the marker A3 A8 23 BB BB D0 D0 B7 FB A3 A9.
  const std::string faked = "\xB0\xA3\xA8\x23\xBB\xBB\xD0\xD0\xB7\xFB\xA3\xA9";
  EXPECT_EQ(shownForm(faked), faked);
  // The same marker right after the whole character is found.
  EXPECT_EQ(shownForm("\xB0\xA3（#换行符）"), "\xB0\xA3\r\n");
  EXPECT_EQ(replaceWholeCharacters("\xB0\xA3", "\xA3", "!"), "\xB0\xA3") << "a trail byte is no character";
  EXPECT_EQ(replaceWholeCharacters("a\xA3", "\xA3", "!"), "a!") << "a lone lead byte at the end is one";
}

TEST(NotepadStoredForm, MarkerIsGbk) { EXPECT_EQ(kLineBreakMarker, "\xA3\xA8\x23\xBB\xBB\xD0\xD0\xB7\xFB\xA3\xA9"); }

TEST(NotepadStoredForm, ReplacementsAreNotRescanned) {
  EXPECT_EQ(replaceWholeCharacters("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(replaceWholeCharacters("abc", "", "x"), "abc");
}

TEST(NotepadStoredForm, HundredThousandBytesOfChineseLinesRoundTrip) {
  std::string edit;
  const std::string lines[] = {"今晚的主持人名单：张三、李四", "announcement 1", "", "（括号）与＃号", "末行"};
  for (std::size_t i = 0; edit.size() < 100000; ++i) edit += lines[i % std::size(lines)] + "\r\n";
  edit.resize(100000);
  if (edit.back() == '\r') edit.back() = 'x';  // the cut must not leave half a line break
  const std::string stored = storedForm(edit);
  ASSERT_GT(stored.size(), 100000u);
  EXPECT_EQ(shownForm(asReadBack(stored)), edit);
}

}  // namespace
