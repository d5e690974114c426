// What a unit's cursor field asks for.
#include <gtest/gtest.h>

#include "ui/format/cursor_field.h"

namespace {

using namespace std::string_literals;

TEST(CursorField, ValuesMapThroughTheSystemCursorTable) {
  const std::pair<std::string, std::uint32_t> cases[] = {
      {""s, 0},                  // no cursor of its own
      {"\x00"s, 0},              // index 0: none
      {"\x01"s, 32512},          // one byte: index 1, the arrow
      {"\x0E\0\0"s, 32649},      // three bytes are read as one: index 14, the hand
      {"\x89\x7F\0\0"s, 32649},  // the hand by value
      {"\x02\x80\0\0"s, 0},      // 32770 is no entry of the table: no cursor
      {"\x0F\0\0\0"s, 0},        // 15: beyond the indexes, and no value of the table
  };
  for (const auto& [field, expected] : cases) {
    const CursorRequest r = readCursorField(field);
    EXPECT_EQ(r.systemCursor, expected) << field.size();
    EXPECT_TRUE(r.fileImage.empty());
  }
}

TEST(CursorField, MarkedFileImagesAndLongFieldsAreTriedAsCursorFiles) {
  const std::string image = "\0\0\x02\0\x01\0cursor bytes"s;
  const std::string markedField = "\xFF\xFF\xFF\xFF"s + image;
  const CursorRequest marked = readCursorField(markedField);
  EXPECT_EQ(marked.fileImage, image);
  EXPECT_TRUE(marked.fileOnly);
  EXPECT_EQ(marked.systemCursor, 0u);
  const CursorRequest whole = readCursorField(image);
  EXPECT_EQ(whole.fileImage, image) << "longer than 10 bytes: the whole field";
  EXPECT_FALSE(whole.fileOnly);
  const std::string markOnly = "\xFF\xFF\xFF\xFF"s;
  EXPECT_TRUE(readCursorField(markOnly).fileImage.empty()) << "the mark alone carries nothing";
}

}  // namespace
