// The standard controls' stored layouts: hand-checked bytes where the layout is settled, round
// trips, and records that must not read.
#include <gtest/gtest.h>

#include "ui/format/control_properties.h"

namespace {

using namespace std::string_literals;

TEST(ComboBoxLayout, MatchesTheHandCheckedBytes) {
  ComboBoxProperties p;
  p.items = {"A", "BC"};
  p.itemValues = {8, 16};
  const std::string bytes =
      "\x03\0\0\0"
      "\x02\0\0\0"
      "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"
      "\x01\0\0\0"
      "\0\0\0\0"s  // version .. option
      "\xFF\xFF\xFF\0"
      "\xFF\xFF\xFF\xFF"
      "\0\0\0\0"s  // colour, -1, font
      "\x08\0\0\0"
      "\x08\0\0\0"
      "\x10\0\0\0"s  // item values
      "\0\0\0\0"
      "\x02\0"
      "\x01\0\0\0"
      "A"
      "\x02\0\0\0"
      "BC"s  // edit text, items
      "\0\0\0\0"
      "\0\0\0\0"
      "\0\0\0\0"s;
  EXPECT_EQ(p.write(), bytes);
  const auto back = ComboBoxProperties::read(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->items, p.items);
  EXPECT_EQ(back->itemValues, p.itemValues);
}

TEST(TabLayout, PageNamesFollowAShortCount) {
  TabProperties p;
  p.pageNames = {"x", "yz"};
  const std::string bytes =
      "\x03\0\0\0"
      "\x01\0\0\0"
      "\0\0\0\0"
      "\0\0\0\0"
      "\x01\0\0\0"
      "\0\0\0\0"s
      "\0\0\0\xFF"
      "\0\0\0\0"
      "\x02\0"
      "\x01\0\0\0"
      "x"
      "\x02\0\0\0"
      "yz"s;
  EXPECT_EQ(p.write(), bytes);
  EXPECT_EQ(TabProperties::read(bytes)->pageNames, p.pageNames);
}

TEST(ControlLayouts, RoundTripAndRefuseNewerVersionsAndTruncation) {
  ButtonProperties button;
  button.kind = 1;
  button.caption = "确认";
  CommonDlgProperties dialog;
  dialog.kind = 1;
  dialog.filter = "声音文件|*.wav";
  dialog.fileName = "*.wav";
  LineChartProperties chart;
  chart.pointCount = 7;
  const std::string records[] = {button.write(), dialog.write(), chart.write()};
  EXPECT_EQ(ButtonProperties::read(records[0])->caption, "确认");
  EXPECT_EQ(CommonDlgProperties::read(records[1])->fileName, "*.wav");
  EXPECT_EQ(LineChartProperties::read(records[2])->pointCount, 7u);
  for (const std::string& r : records) {
    std::string newer = r;
    newer[0] = static_cast<char>(newer[0] + 1);
    EXPECT_FALSE(ButtonProperties::read(newer) || CommonDlgProperties::read(newer) || LineChartProperties::read(newer));
    EXPECT_FALSE(ButtonProperties::read(r.substr(0, r.size() - 1)) &&
                 CommonDlgProperties::read(r.substr(0, r.size() - 1)));
  }
  EXPECT_FALSE(ComboBoxProperties::read(ComboBoxProperties{}.write() + "x")) << "trailing bytes";
}

TEST(StoredFontLayout, SixtyBytesWithTheFaceAtTwentyEight) {
  StoredFont f;
  f.height = -21;
  f.weight = 400;
  f.charSet = 134;
  f.face = "宋体";
  const std::string bytes = f.write();
  ASSERT_EQ(bytes.size(), 60u);
  EXPECT_EQ(bytes.substr(0, 4), "\xEB\xFF\xFF\xFF"s);
  EXPECT_EQ(bytes.substr(16, 4), "\x90\x01\0\0"s);
  EXPECT_EQ(static_cast<unsigned char>(bytes[23]), 134);
  EXPECT_EQ(bytes.substr(28, 5), "宋体"s + '\0');
  const auto back = StoredFont::read(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->height, -21);
  EXPECT_EQ(back->charSet, 134);
  EXPECT_EQ(back->face, "宋体");
  EXPECT_FALSE(StoredFont::read(bytes.substr(1)));
}

}  // namespace
