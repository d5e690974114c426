// Which controls the skin takes, by class and style, with the table's exceptions; and the flags a
// skinned control starts with.
#include <gtest/gtest.h>

#include "ui/skin/skin_kinds.h"

namespace {

using namespace skin;

constexpr std::uint32_t kChild = 0x40000000, kTabStop = 0x00010000, kVisible = 0x10000000;

TEST(SkinKinds, FromClassAndStyle) {
  struct Case {
    const char* name;
    WindowFacts window;
    Kind kind;
  };
  const Case cases[] = {
      {"push button", {"Button", kChild | kVisible | 0x0, true}, Kind::pushButton},
      {"default push button", {"Button", kChild | 0x1, true}, Kind::pushButton},
      {"class name in another case", {"BUTTON", kChild | 0x0, true}, Kind::pushButton},
      {"bare 0x40010000 without text", {"Button", 0x40010000, false}, Kind::none},
      {"bare 0x40010000 with text", {"Button", 0x40010000, true}, Kind::pushButton},
      {"0x40010000 visible, without text", {"Button", 0x50010000, false}, Kind::pushButton},
      {"owner-drawn", {"Button", kChild | 0xB, true}, Kind::none},
      {"split button", {"Button", kChild | 0xC, true}, Kind::none},
      {"check box", {"Button", kChild | 0x2, true}, Kind::checkBox},
      {"auto check box", {"Button", kChild | 0x3, true}, Kind::checkBox},
      {"three-state", {"Button", kChild | 0x5, true}, Kind::checkBox},
      {"auto three-state", {"Button", kChild | 0x6, true}, Kind::checkBox},
      {"push-like check box", {"Button", kChild | 0x1003, true}, Kind::pushButton},
      {"radio", {"Button", kChild | 0x4, true}, Kind::radioButton},
      {"auto radio", {"Button", kChild | 0x9, true}, Kind::radioButton},
      {"push-like radio", {"Button", kChild | 0x1009, true}, Kind::pushButton},
      {"group box", {"Button", kChild | 0x7, true}, Kind::groupBox},
      {"edit", {"Edit", kChild, false}, Kind::editBox},
      {"edit of an IP-address control", {"Edit", kChild, false, true}, Kind::none},
      {"drop-down combo", {"ComboBox", kChild | 0x2, false}, Kind::comboBox},
      {"drop-down list combo", {"ComboBox", kChild | 0x3, false}, Kind::comboBox},
      {"simple combo", {"ComboBox", kChild | 0x1, false}, Kind::none},
      {"up-down", {"msctls_updown32", kChild, false}, Kind::upDown},
      {"drop-down list", {"ComboLBox", 0x80000000, false}, Kind::dropDownList},
      {"hotkey", {"msctls_hotkey32", kChild, false}, Kind::none},
      {"IP address", {"SysIPAddress32", kChild, false}, Kind::none},
      {"list box", {"ListBox", kChild, false}, Kind::none},
      {"tab", {"SysTabControl32", kChild, false}, Kind::none},
      {"trackbar", {"msctls_trackbar32", kChild, false}, Kind::none},
      {"static label", {"Static", kChild, true}, Kind::none},
      {"a class of the program's own", {"LanxingPicBtn", kChild, false}, Kind::none},
  };
  for (const Case& c : cases) EXPECT_EQ(kindOf(c.window), c.kind) << c.name;
}

TEST(SkinKinds, InitialFlags) {
  struct Case {
    const char* name;
    Kind kind;
    std::uint32_t style;
    bool focus;
    int check;
    Flags flags;
  };
  const Case cases[] = {
      {"plain push button", Kind::pushButton, kChild, false, 0, 0},
      {"disabled, focused", Kind::pushButton, kChild | 0x08000000, true, 0, disabled | focused},
      {"default push button", Kind::pushButton, kChild | 0x1, false, 0, defaultButton},
      // An auto check box's type (3) has the default bit set, but it is not the default style.
      {"auto check box, ticked", Kind::checkBox, kChild | 0x3, false, 1, ticked},
      {"three-state, indeterminate", Kind::checkBox, kChild | 0x6, false, 2, indeterminate},
      {"read-only edit", Kind::editBox, kChild | 0x0800, false, 0, readOnly},
      {"0x800 on a button is its bottom alignment, not read-only", Kind::pushButton, kChild | 0x0800, false, 0, 0},
      {"edit never ticked", Kind::editBox, kChild, false, 1, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(initialFlags(c.kind, c.style, c.focus, c.check), c.flags) << c.name;
}

}  // namespace
