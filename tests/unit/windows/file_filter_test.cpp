// File-dialog filter texts as display/pattern pairs.
#include <gtest/gtest.h>

#include "ui/controls/file_filter.h"

namespace {

TEST(FileFilter, PairsInOrder) {
  const std::pair<const char*, std::vector<FilterEntry>> cases[] = {
      {"*.mp3|*.mp3", {{"*.mp3", "*.mp3"}}},
      {"声音文件|*.wav", {{"声音文件", "*.wav"}}},
      {"a|*.a|b|*.b;*.c", {{"a", "*.a"}, {"b", "*.b;*.c"}}},
      {"", {}},
      {"only a name", {}},
      {"a|*.a|dangling", {{"a", "*.a"}}},
      {"|*.x", {{"", "*.x"}}},
  };
  for (const auto& [text, entries] : cases) EXPECT_EQ(parseFilter(text), entries) << text;
}

}  // namespace
