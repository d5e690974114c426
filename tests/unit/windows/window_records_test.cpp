// What the catalogue rows leave out: the windows' order and unit counts, their property records,
// menus, 选择夹1's pages, the frames, label colours and fonts, and the units that carry no data.
#include <gtest/gtest.h>

#include "assets/windows/handlers.h"
#include "catalogue_rows.h"
#include "ui/format/control_properties.h"

namespace {

// The stored record of a unit by name ("" for the window's own unit).
UnitRecord unitNamed(std::uint32_t windowId, std::string_view name) {
  for (const StoredUnit& s : embeddedWindow(windowId).units)
    if (recordTypeWord(s.record) != type_word::menu)
      if (auto u = readUnitRecord(s.record); u && u->name == name) return *u;
  ADD_FAILURE() << "no unit " << name;
  return {};
}

std::uint32_t idOf(std::uint32_t windowId, std::string_view name) {
  for (const StoredUnit& s : embeddedWindow(windowId).units)
    if (recordTypeWord(s.record) != type_word::menu && readUnitRecord(s.record)->name == name) return s.id;
  return 0;
}

TEST(WindowRecords, FiveWindowsInOrderWithTheirUnitCounts) {
  const std::vector<WindowEntry> block = embeddedBlock();
  const std::pair<std::uint32_t, std::size_t> expected[] = {
      {0x52010001, 36}, {0x52010041, 111}, {0x52010137, 19}, {0x52010188, 4}, {0x5201019D, 10}};
  ASSERT_EQ(block.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(block[i].id, expected[i].first);
    EXPECT_EQ(block[i].units.size(), expected[i].second) << std::hex << block[i].id;
    EXPECT_EQ(block[i].classId >> 16, 0x1901u);
    EXPECT_EQ(block[i].units.front().id, 0x06010000u);
    for (const StoredUnit& u : block[i].units) {
      const std::uint32_t group = recordTypeWord(u.record) == type_word::menu ? 2 : u.id == 0x06010000 ? 0 : 1;
      EXPECT_EQ(u.id >> 28, group) << std::hex << u.id;
      EXPECT_EQ(u.id >> 24 & 0xF, 6u);
    }
  }
}

TEST(WindowRecords, WindowPropertyRecords) {
  struct Expected {
    std::uint32_t window, pictureMode, background, controlBox, movable, escCloses, taskBar, drag, keepActive;
    std::size_t icon;
  };
  constexpr std::uint32_t white = 0x00FFFFFF, none = kDefaultColour;
  const Expected rows[] = {
      {0x52010001, 1, white, 0, 1, 0, 1, 0, 1, 432254}, {0x52010041, 1, white, 0, 1, 0, 0, 0, 0, 0},
      {0x52010137, 1, none, 1, 1, 1, 0, 0, 0, 4286},    {0x52010188, 1, none, 1, 1, 0, 0, 1, 0, 0},
      {0x5201019D, 2, white, 0, 0, 0, 0, 0, 1, 0},
  };
  for (const Expected& e : rows) {
    SCOPED_TRACE(e.window);
    const auto p = WindowProperties::read(unitNamed(e.window, "").propertyData);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->version, 6u);
    EXPECT_EQ(p->border, 4u);
    EXPECT_EQ(p->positionMode, 1u);
    EXPECT_EQ(p->maximiseButton + p->minimiseButton + p->alwaysOnTop + p->shape, 0u);
    EXPECT_EQ(p->backgroundPictureMode, e.pictureMode);
    EXPECT_EQ(p->backgroundColour, e.background);
    EXPECT_EQ(p->controlBox, e.controlBox);
    EXPECT_EQ(p->movable, e.movable);
    EXPECT_EQ(p->escCloses, e.escCloses);
    EXPECT_EQ(p->shownInTaskBar, e.taskBar);
    EXPECT_EQ(p->dragByAnyPoint, e.drag);
    EXPECT_EQ(p->keepCaptionActive, e.keepActive);
    EXPECT_EQ(p->icon.size(), e.icon);
    EXPECT_TRUE(p->backgroundPicture.empty() && p->backgroundMusic.empty() && p->className.empty());
  }
}

TEST(WindowRecords, TheLockWindowCarriesItsOwnCursorFile) {
  const std::string cursor = unitNamed(0x5201019D, "").cursor;
  EXPECT_EQ(cursor.size(), 4290u);
  EXPECT_EQ(cursor.substr(0, 4), std::string(4, '\xFF'));
  EXPECT_EQ(cursor.substr(4, 4), std::string("\0\0\x02\0", 4)) << "a cursor file follows";
}

TEST(WindowRecords, MenusOfTheMainAndNotepadWindows) {
  struct Item {
    std::uint32_t window, id, level, flags;
    std::string caption;
    std::uint32_t handler;
  };
  const Item expected[] = {
      {0x52010001, 0x26010030, 0, 1, "托盘菜单", kNoHandler},
      {0x52010001, 0x26010031, 1, 0, "显示程序", handlerReference(Handler::showMainWindow)},
      {0x52010001, 0x26010032, 1, 0, "退出程序", handlerReference(Handler::quitProgram)},
      {0x52010188, 0x26010002, 0, 0, "菜单", kNoHandler},
      {0x52010188, 0x26010003, 1, 0, "置顶", handlerReference(Handler::toggleNotepadOnTop)},
  };
  std::vector<Item> found;
  for (std::uint32_t window : {0x52010001u, 0x52010188u})
    for (const StoredUnit& s : embeddedWindow(window).units)
      if (recordTypeWord(s.record) == type_word::menu) {
        const auto m = readMenuItemRecord(s.record);
        found.push_back({window, s.id, m->level, m->menuFlags, m->caption, m->handler});
      }
  ASSERT_EQ(found.size(), std::size(expected));
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(found[i].id, expected[i].id);
    EXPECT_EQ(found[i].level, expected[i].level);
    EXPECT_EQ(found[i].flags, expected[i].flags);
    EXPECT_EQ(found[i].caption, expected[i].caption);
    EXPECT_EQ(found[i].handler, expected[i].handler);
  }
}

TEST(WindowRecords, TabPagesListTheirButtonsFromTwentyDownToOne) {
  constexpr std::uint32_t audio = 0x52010041;
  const UnitRecord tab = unitNamed(audio, "选择夹1");
  std::vector<std::uint32_t> expected;
  for (const char* page : {"常用鼓点", "人物配音", "日常音效", "主持必备"}) {
    if (!expected.empty()) expected.push_back(0);
    for (int n = 20; n >= 1; --n) expected.push_back(idOf(audio, page + std::to_string(n)));
  }
  EXPECT_EQ(tab.children, expected);
  const auto p = TabProperties::read(tab.propertyData);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->version, 3u);
  EXPECT_EQ(std::vector<std::uint32_t>(p->options, p->options + 4), (std::vector<std::uint32_t>{1, 0, 0, 1}));
  EXPECT_EQ(p->backgroundColour, kDefaultColour);
}

TEST(WindowRecords, FramesWithTheirLinesAndBackgrounds) {
  struct Frame {
    std::uint32_t window;
    const char* name;
    std::uint32_t background, width, colour;
  };
  const Frame frames[] = {
      {0x52010001, "音频助手2", kDefaultColour, 3, 0x008080},
      {0x52010001, "录音软件2", kDefaultColour, 3, 0x008080},
      {0x52010001, "记事本2", kDefaultColour, 3, 0x008080},
      {0x52010001, "挂机工具2", kDefaultColour, 3, 0x008080},
      {0x52010001, "网址导航2", kDefaultColour, 3, 0x008080},
      {0x52010001, "检测更新2", 0, 1, 0x00FFFF},
      {0x52010001, "联系作者2", 0, 1, 0x00FFFF},
      {0x52010001, "收费标准2", 0, 1, 0x00FFFF},
      {0x52010001, "作者空间2", 0, 1, 0x00FFFF},
      {0x52010001, "外形框1", 0, 2, 0x808040},
      {0x52010041, "外形框1", 0, 3, 0x00FF00},
      {0x52010041, "外形框2", 0, 3, 0x00FF00},
  };
  for (const Frame& f : frames) {
    SCOPED_TRACE(f.name);
    const auto p = ShapeBoxProperties::read(unitNamed(f.window, f.name).propertyData);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->backgroundColour, f.background);
    EXPECT_EQ(p->lineWidth, f.width);
    EXPECT_EQ(p->lineColour, f.colour);
    EXPECT_EQ(p->fillColour, kDefaultColour);
  }
}

TEST(WindowRecords, TransparentLabelColours) {
  struct Label {
    std::uint32_t window;
    const char* name;
    std::uint32_t colour;
  };
  const Label labels[] = {
      {0x52010001, "检测更新1", 0xFFFFFF},
      {0x52010001, "关于软件1", 0xFFFFFF},
      {0x52010041, "声卡输出1", 0xFFFFFF},
      {0x52010041, "类型选择1", 0xFFFFFF},
      {0x52010041, "类型选择2", 0xFFFFFF},
      {0x52010041, "分割线1", 0x00FF00},
      {0x52010041, "音量1", 0},
      {0x52010137, "透明标签1", 0},
      {0x5201019D, "透明标签3", 0},
  };
  for (const Label& l : labels) {
    const auto p = TransLabelProperties::read(unitNamed(l.window, l.name).propertyData);
    ASSERT_TRUE(p) << l.name;
    EXPECT_EQ(p->textColour, l.colour) << l.name;
    EXPECT_EQ(p->option3, 1u) << l.name;
  }
}

TEST(WindowRecords, TheLockLabelHasItsOwnSongtiFont) {
  const auto p = TransLabelProperties::read(unitNamed(0x5201019D, "透明标签3").propertyData);
  ASSERT_TRUE(p);
  const auto font = StoredFont::read(p->font);
  ASSERT_TRUE(font);
  EXPECT_EQ(font->height, -21);
  EXPECT_EQ(font->weight, 400);
  EXPECT_EQ(font->charSet, 134);
  EXPECT_EQ(font->face, "宋体");
  EXPECT_TRUE(p->text.empty());
}

TEST(WindowRecords, ButtonKindsAndTheSoundCardFieldAndTheNotepad) {
  for (const char* name : {"类型1", "类型2", "类型3", "类型4", "退出1", "自定义音效1", "常用鼓点1"}) {
    const auto p = ButtonProperties::read(unitNamed(0x52010041, name).propertyData);
    ASSERT_TRUE(p) << name;
    EXPECT_EQ(p->kind, std::string_view(name).starts_with("类型") ? 1u : 0u) << name;
    EXPECT_EQ(p->horizontalAlignment, 1u);
    EXPECT_EQ(p->verticalAlignment, 1u);
  }
  const auto field = EditBoxProperties::read(unitNamed(0x52010041, "声卡输出框1").propertyData);
  ASSERT_TRUE(field);
  EXPECT_EQ(field->inputMode, 1u) << "read-only";
  const auto pad = EditBoxProperties::read(unitNamed(0x52010188, "编辑框1").propertyData);
  ASSERT_TRUE(pad);
  EXPECT_EQ(pad->multiLine, 1u);
  EXPECT_EQ(pad->scrollBars, 2u);
  const auto knob = PicBtnProperties::read(unitNamed(0x52010041, "音量拖动").propertyData);
  ASSERT_TRUE(knob);
  EXPECT_EQ(knob->transparentColour, 0x00FF00FFu);
}

TEST(WindowRecords, UnitsWithoutPropertyData) {
  const std::pair<std::uint32_t, const char*> bare[] = {
      {0x52010041, "编辑框1"},  {0x52010041, "选择框1"},      {0x52010041, "系统音量1"}, {0x52010137, "时间时钟"},
      {0x52010137, "录音控件"}, {0x52010137, "录音音波控件"}, {0x5201019D, "编辑框1"},   {0x5201019D, "时钟1"},
  };
  for (const auto& [window, name] : bare) EXPECT_TRUE(unitNamed(window, name).propertyData.empty()) << name;
}

}  // namespace
