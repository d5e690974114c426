// The stored layout of unit records, menu items and the block, against bytes checked by hand.
#include <gtest/gtest.h>

#include "ui/format/template_block.h"

namespace {

using namespace std::string_literals;

UnitRecord quitButton() {
  UnitRecord u;
  u.typeWord = type_word::PicBtn;
  u.name =
      "\xCD\xCB\xB3\xF6"
      "1";  // 退出1
  u.left = 1, u.top = 1, u.width = 30, u.height = 15;
  u.parentId = 0x16010005;
  u.cursor = "\x04\0\0\0\x89\x7F\0\0"s.substr(4);
  u.flags = 1;
  u.bindings = {{0, 3}};
  u.propertyData = "xy";
  return u;
}

const std::string kQuitButtonBytes =
    "\x2D\0\x01\0"s
    "\0\0\0\0"s +
    std::string(16, '\0') +
    "\xCD\xCB\xB3\xF6"
    "1\0"s
    "\0"s
    "\0\0\0\0"s  // object slot
    "\x01\0\0\0"
    "\x01\0\0\0"
    "\x1E\0\0\0"
    "\x0F\0\0\0"s  // rectangle
    "\0\0\0\0"s
    "\x05\0\x01\x16"s
    "\0\0\0\0"s  // cursor slot, parent, no children
    "\x04\0\0\0\x89\x7F\0\0"s
    "\0"s
    "\0\0\0\0"s  // cursor field, tag, reserved
    "\x01\0\0\0"
    "\0\0\0\0"
    "\x01\0\0\0"s  // flags, focus order, one binding
    "\0\0\0\0"
    "\x03\0\0\0"s +
    std::string(20, '\0') + "xy";

TEST(UnitRecordLayout, MatchesTheHandCheckedBytes) {
  EXPECT_EQ(writeUnitRecord(quitButton()), kQuitButtonBytes);
  EXPECT_EQ(readUnitRecord(kQuitButtonBytes), quitButton());
}

TEST(UnitRecordLayout, ChildListAndEmptyPropertyDataRoundTrip) {
  UnitRecord tab = quitButton();
  tab.typeWord = type_word::Tab;
  tab.children = {0x16000014, 0, 0x16000013};
  tab.propertyData.clear();
  tab.bindings.clear();
  EXPECT_EQ(readUnitRecord(writeUnitRecord(tab)), tab);
}

TEST(MenuItemLayout, MatchesTheHandCheckedBytes) {
  MenuItemRecord item;
  item.level = 0;
  item.menuFlags = menu_flag::notInMenuBar;
  item.caption = "\xCD\xD0\xC5\xCC\xB2\xCB\xB5\xA5";  // 托盘菜单
  const std::string bytes = "\x03\0\x01\0"s + std::string(20, '\0') + "\0\0"s +
                            "\0\0\0\0"
                            "\0\0\0\0"
                            "\x01\0\0\0"s +
                            item.caption + "\0"s + "\xFF\xFF\xFF\xFF"s + std::string(16, '\0');
  EXPECT_EQ(writeMenuItemRecord(item), bytes);
  EXPECT_EQ(readMenuItemRecord(bytes), item);
}

WindowEntry smallWindow() {
  UnitRecord own;
  own.typeWord = type_word::window;
  own.width = 150;
  own.height = 340;
  MenuItemRecord item;
  item.caption = "m";
  return {
      0x52010001,
      0x19010001,
      "",
      "",
      {{0x06010000, writeUnitRecord(own)}, {0x16010005, kQuitButtonBytes}, {0x26010030, writeMenuItemRecord(item)}}};
}

TEST(BlockLayout, HeaderAndWindowEntryMatchTheHandCheckedBytes) {
  const WindowEntry w = smallWindow();
  const std::string block = writeBlock({w});
  const std::uint32_t r0 = static_cast<std::uint32_t>(w.units[0].record.size());
  const std::uint32_t r1 = static_cast<std::uint32_t>(w.units[1].record.size());
  const std::uint32_t r2 = static_cast<std::uint32_t>(w.units[2].record.size());
  const auto u32 = [](std::uint32_t v) {
    return std::string{char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF), char(v >> 24)};
  };
  const std::string expected = u32(8) + u32(0x52010001) + u32(0) +           // table size, ids, slots
                               u32(0) + u32(0x19010001) + u32(0) + u32(0) +  // slot, class, name, comment
                               u32(3) + u32(24 + 12 + r0 + r1 + r2) +        // unit count, unit block size
                               u32(0x06010000) + u32(0x16010005) + u32(0x26010030) + u32(0) + u32(4 + r0) +
                               u32(8 + r0 + r1) +  // offsets from the first record
                               u32(r0) + w.units[0].record + u32(r1) + w.units[1].record + u32(r2) + w.units[2].record;
  EXPECT_EQ(block, expected);
  EXPECT_EQ(readBlock(block), std::vector<WindowEntry>{w});
}

TEST(BlockLayout, EveryTruncationIsRefused) {
  const std::string block = writeBlock({smallWindow(), smallWindow()});
  ASSERT_TRUE(readBlock(block));
  for (std::size_t n = 0; n < block.size(); ++n) EXPECT_FALSE(readBlock(block.substr(0, n))) << n;
  EXPECT_FALSE(readBlock(block + "x"));
}

TEST(BlockLayout, InconsistentSizesAndOffsetsAreRefused) {
  const std::string good = writeBlock({smallWindow()});
  const auto patched = [&](std::size_t at, char value) {
    std::string b = good;
    b[at] = value;
    return b;
  };
  EXPECT_FALSE(readBlock(patched(0, 7))) << "table size not a multiple of 8";
  EXPECT_FALSE(readBlock(patched(0, 16))) << "more windows than stored";
  EXPECT_FALSE(readBlock(patched(32, 4))) << "unit block size";
  EXPECT_FALSE(readBlock(patched(28, 0x40))) << "unit count far beyond the data";
  EXPECT_FALSE(readBlock(patched(48, 1))) << "first offset not 0";
  EXPECT_FALSE(readBlock(patched(52, 5))) << "second offset";
}

TEST(BlockLayout, AWindowWhoseFirstUnitIsNoWindowIsRefused) {
  WindowEntry w = smallWindow();
  std::swap(w.units[0], w.units[1]);
  EXPECT_FALSE(readBlock(writeBlock({w})));
}

TEST(UnitRecordLayout, RecordsThatDoNotReadWholeAreRefused) {
  EXPECT_FALSE(readUnitRecord(kQuitButtonBytes.substr(0, 60)));
  std::string noTerminator = kQuitButtonBytes.substr(0, 24) + std::string(40, 'a');
  EXPECT_FALSE(readUnitRecord(noTerminator));
  std::string hugeChildCount = kQuitButtonBytes;
  hugeChildCount[62] = '\xFF';  // the child count's high byte
  EXPECT_FALSE(readUnitRecord(hugeChildCount));
  std::string menuTail = writeMenuItemRecord({}) + "z";
  EXPECT_FALSE(readMenuItemRecord(menuTail));
}

TEST(BlockLayout, ReservedSlotsReadAsAnythingAndAreWrittenAsZeros) {
  const std::string canonical = writeBlock({smallWindow()});
  std::string stored = canonical;
  stored[8] = '\x13';   // the window's slot in the header
  stored[12] = '\x40';  // the slot that opens its window entry
  EXPECT_EQ(readBlock(stored), std::vector<WindowEntry>{smallWindow()});
  EXPECT_EQ(writeBlock(*readBlock(stored)), canonical);
}

}  // namespace
