// The block the build writes, read back and held against the main window's catalogue: every unit
// in record order with its type, parent, rectangle, flags, cursor and pictures; the window's own
// properties; the tray menu.
#include <gtest/gtest.h>

#include "ui/format/cursor_field.h"
#include "ui/format/property_data.h"
#include "ui/format/template_block.h"
#include "ui/whole_file.h"

namespace {

std::string blockFile() { return readWholeFile(LANXING_WINDOW_BLOCK_FILE).bytes; }

struct CatalogueRow {
  const char* name;
  std::uint32_t type;
  const char* parent;  // "" for the window
  std::int32_t left, top, width, height;
  std::uint32_t flags;
  bool hand;
  std::size_t normalBytes = 0, hoverBytes = 0;  // picture buttons
};

namespace tw = type_word;
constexpr std::uint32_t V = 1, VT = 5, VDT = 7;

const CatalogueRow kCatalogue[] = {
    {"编辑框3", tw::EditBox, "", 88, 360, 22, 24, VT, false},
    {"编辑框2", tw::EditBox, "", 64, 360, 22, 24, VT, false},
    {"编辑框1", tw::EditBox, "", 42, 360, 22, 24, VT, false},
    {"标签1", tw::Label, "", 8, 360, 30, 20, V, false},
    {"退出1", tw::PicBtn, "退出2", 1, 1, 30, 15, V, true, 1045, 1151},
    {"隐藏1", tw::PicBtn, "隐藏2", 1, 1, 30, 15, V, true, 1058, 1185},
    {"置顶1", tw::PicBtn, "置顶2", 1, 1, 30, 15, V, true, 1056, 1170},
    {"网址导航1", tw::PicBtn, "网址导航2", 1, 1, 130, 30, V, true, 2849, 2905},
    {"挂机工具1", tw::PicBtn, "挂机工具2", 1, 1, 130, 30, V, true, 2788, 2858},
    {"记事本1", tw::PicBtn, "记事本2", 1, 1, 130, 30, V, true, 2661, 2715},
    {"录音软件1", tw::PicBtn, "录音软件2", 1, 1, 130, 30, V, true, 2842, 2895},
    {"音频助手1", tw::PicBtn, "音频助手2", 1, 1, 130, 30, V, true, 2810, 2849},
    {"网址导航2", tw::ShapeBox, "", 6, 170, 132, 32, V, false},
    {"作者空间2", tw::ShapeBox, "外形框1", 70, 49, 57, 22, V, false},
    {"作者空间1", tw::TransLabel, "作者空间2", 5, 1, 50, 20, V, true},
    {"收费标准2", tw::ShapeBox, "外形框1", 5, 49, 57, 22, V, false},
    {"收费标准1", tw::TransLabel, "收费标准2", 5, 1, 50, 20, V, true},
    {"联系作者2", tw::ShapeBox, "外形框1", 70, 20, 57, 22, V, false},
    {"联系作者1", tw::TransLabel, "联系作者2", 5, 1, 50, 20, V, true},
    {"检测更新1", tw::TransLabel, "检测更新2", 5, 1, 50, 20, V, true},
    {"检测更新2", tw::ShapeBox, "外形框1", 5, 20, 57, 22, V, false},
    {"关于软件2", tw::TransLabel, "", 3, 273, 140, 20, V, false},
    {"关于软件1", tw::TransLabel, "", 3, 206, 140, 20, V, false},
    {"置顶选择框1", tw::CheckBox, "", 9, 291, 15, 15, VDT, false},
    {"音频助手2", tw::ShapeBox, "", 6, 9, 132, 32, V, false},
    {"录音软件2", tw::ShapeBox, "", 6, 49, 132, 32, V, false},
    {"记事本2", tw::ShapeBox, "", 6, 89, 132, 32, V, false},
    {"挂机工具2", tw::ShapeBox, "", 6, 129, 132, 32, V, false},
    {"置顶2", tw::PicBox, "", 24, 290, 32, 17, V, false},
    {"退出2", tw::PicBox, "", 104, 290, 32, 17, V, false},
    {"隐藏2", tw::PicBox, "", 64, 290, 32, 17, V, false},
    {"外形框1", tw::ShapeBox, "", 6, 205, 132, 80, V, false},
};

class MainWindowBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    auto windows = readBlock(blockFile());
    ASSERT_TRUE(windows);
    ASSERT_FALSE(windows->empty());
    main = std::move(windows->front());
    ASSERT_EQ(main.id, 0x52010001u) << "the main window is stored first";
  }
  std::string nameOf(std::uint32_t id) const {
    for (const StoredUnit& u : main.units)
      if (u.id == id) return readUnitRecord(u.record)->name;
    return "";
  }
  WindowEntry main;
};

TEST_F(MainWindowBlock, HoldsTheWindowItsThirtyTwoUnitsAndThreeMenuItems) {
  EXPECT_EQ(main.id, 0x52010001u);
  EXPECT_EQ(main.classId & 0xFFFF0000, 0x19010000u);
  ASSERT_EQ(main.units.size(), 36u);
  EXPECT_EQ(main.units[0].id >> 24, 0x06u) << "the window's own unit first";
  for (std::size_t i = 1; i < 33; ++i) EXPECT_EQ(main.units[i].id >> 24, 0x16u) << i;
  for (std::size_t i = 33; i < 36; ++i) EXPECT_EQ(main.units[i].id, 0x26010030u + (i - 33));
}

TEST_F(MainWindowBlock, UnitsFollowTheCatalogueInRecordOrder) {
  for (std::size_t i = 0; i < std::size(kCatalogue); ++i) {
    const CatalogueRow& row = kCatalogue[i];
    SCOPED_TRACE(row.name);
    const auto u = readUnitRecord(main.units[i + 1].record);
    ASSERT_TRUE(u);
    EXPECT_EQ(u->name, row.name);
    EXPECT_EQ(u->typeWord, row.type);
    EXPECT_EQ(nameOf(u->parentId), row.parent);
    EXPECT_EQ((std::array{u->left, u->top, u->width, u->height}),
              (std::array{row.left, row.top, row.width, row.height}));
    EXPECT_EQ(u->flags, row.flags);
    EXPECT_EQ(readCursorField(u->cursor).systemCursor, row.hand ? kHandCursorValue : 0u);
    if (row.type == tw::PicBtn) {
      const auto p = PicBtnProperties::read(u->propertyData);
      ASSERT_TRUE(p);
      EXPECT_EQ(p->normal.size(), row.normalBytes);
      EXPECT_EQ(p->hover.size(), row.hoverBytes);
      EXPECT_TRUE(p->pressed.empty() && p->disabled.empty());
      EXPECT_EQ(p->transparentColour, kDefaultColour);
      EXPECT_EQ(p->kind, 0u);
    }
  }
}

TEST_F(MainWindowBlock, EachUnitListsTheUnitsInsideItInRecordOrder) {
  for (std::size_t p = 1; p < 33; ++p) {
    std::vector<std::uint32_t> inside;
    for (std::size_t i = 1; i < 33; ++i)
      if (readUnitRecord(main.units[i].record)->parentId == main.units[p].id) inside.push_back(main.units[i].id);
    EXPECT_EQ(readUnitRecord(main.units[p].record)->children, inside) << nameOf(main.units[p].id);
  }
}

TEST_F(MainWindowBlock, WindowPropertiesAndCaption) {
  const auto own = readUnitRecord(main.units[0].record);
  ASSERT_TRUE(own);
  EXPECT_EQ((std::array{own->left, own->top, own->width, own->height}), (std::array{50, 50, 150, 340}));
  const auto p = WindowProperties::read(own->propertyData);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->version, 6u);
  EXPECT_EQ(p->border, 4u);
  EXPECT_EQ(p->positionMode, 1u);
  EXPECT_EQ(p->backgroundColour, 0x00FFFFFFu);
  EXPECT_EQ(p->controlBox, 0u);
  EXPECT_EQ(p->maximiseButton + p->minimiseButton, 0u);
  EXPECT_EQ(p->shownInTaskBar, 1u);
  EXPECT_EQ(p->keepCaptionActive, 1u);
  EXPECT_EQ(p->caption, "澜星助手工具箱v1.6");
  EXPECT_EQ(p->icon.size(), 432254u);
  EXPECT_TRUE(p->backgroundPicture.empty());
}

TEST_F(MainWindowBlock, TrayMenuIsAHiddenTopLevelItemWithTwoEntries) {
  const auto top = readMenuItemRecord(main.units[33].record);
  const auto show = readMenuItemRecord(main.units[34].record);
  const auto quit = readMenuItemRecord(main.units[35].record);
  ASSERT_TRUE(top && show && quit);
  EXPECT_EQ(top->caption, "托盘菜单");
  EXPECT_EQ(top->level, 0u);
  EXPECT_EQ(top->menuFlags, menu_flag::notInMenuBar);
  EXPECT_EQ(top->handler, kNoHandler);
  EXPECT_EQ(show->caption, "显示程序");
  EXPECT_EQ(quit->caption, "退出程序");
  EXPECT_EQ(show->level + quit->level, 2u);
  EXPECT_NE(show->handler, kNoHandler);
  EXPECT_NE(show->handler, quit->handler);
}

}  // namespace
