// Switching the skin on and off over real controls: which windows it takes by class and style,
// windows created afterwards, the procedures it leaves behind, and the records of destroyed
// controls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/win32/skin/skin_test_windows.h"
#include "ui/skin/control_skin_win32.h"
#include "ui/skin/skinned_control_win32.h"
#include "ui/skin/window_kind_win32.h"
#include "ui/subclass_win32.h"

namespace {

using skin::Kind;

class ControlSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_INTERNET_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    top = testTopLevel();
    ASSERT_TRUE(top);
  }
  void TearDown() override {
    (void)SetSkinScheme(0);
    top.reset();
    pumpMessages();
  }
  HWND control(const wchar_t* className, DWORD style, const wchar_t* text = L"") {
    return childControl(top.get(), className, style, text);
  }
  static SkinnedControl* record(HWND w) { return subclassTarget<SkinnedControl>(w); }

  OwnedWindow top;
};

struct KindCase {
  const wchar_t* className;
  DWORD style;
  const wchar_t* text;
  Kind kind;
};

const KindCase kKinds[] = {
    {L"Button", BS_PUSHBUTTON, L"确认", Kind::pushButton},
    {L"BUTTON", BS_DEFPUSHBUTTON, L"", Kind::pushButton},
    {L"Button", WS_TABSTOP, L"", Kind::none},  // exactly 0x40010000 without text
    {L"Button", WS_TABSTOP, L"文字", Kind::pushButton},
    {L"Button", WS_TABSTOP | WS_VISIBLE, L"", Kind::pushButton},
    {L"Button", BS_OWNERDRAW, L"x", Kind::none},
    {L"Button", BS_AUTOCHECKBOX, L"x", Kind::checkBox},
    {L"Button", BS_AUTO3STATE, L"x", Kind::checkBox},
    {L"Button", BS_AUTOCHECKBOX | BS_PUSHLIKE, L"x", Kind::pushButton},
    {L"Button", BS_AUTORADIOBUTTON, L"x", Kind::radioButton},
    {L"Button", BS_RADIOBUTTON | BS_PUSHLIKE, L"x", Kind::pushButton},
    {L"Button", BS_GROUPBOX, L"x", Kind::groupBox},
    {L"Edit", ES_AUTOHSCROLL, L"", Kind::editBox},
    {L"ComboBox", CBS_DROPDOWN, L"", Kind::comboBox},
    {L"ComboBox", CBS_DROPDOWNLIST, L"", Kind::comboBox},
    {L"ComboBox", CBS_SIMPLE, L"", Kind::none},
    {UPDOWN_CLASSW, 0, L"", Kind::upDown},
    {L"ListBox", 0, L"", Kind::none},
    {L"Static", 0, L"x", Kind::none},
    {L"msctls_progress32", 0, L"", Kind::none},
    {L"SysIPAddress32", 0, L"", Kind::none},
};

TEST_F(ControlSkinTest, KindsByClassAndStyle) {
  for (const KindCase& c : kKinds) {
    HWND w = control(c.className, c.style, c.text);
    ASSERT_TRUE(w) << c.style;
    EXPECT_EQ(skinKindOf(w), c.kind) << c.style;
  }
}

TEST_F(ControlSkinTest, TheEditsInsideAnIpAddressControlAreLeftAlone) {
  HWND ip = control(L"SysIPAddress32", 0);
  ASSERT_TRUE(ip);
  HWND edit = FindWindowExW(ip, nullptr, L"Edit", nullptr);
  ASSERT_TRUE(edit);
  EXPECT_EQ(skinKindOf(edit), Kind::none);
  ASSERT_TRUE(SetSkinScheme(2));
  EXPECT_FALSE(theControlSkin().isSkinned(edit));
}

TEST_F(ControlSkinTest, SwitchingOnTakesEveryControlOfASkinnedKindOfTheThreadsWindows) {
  std::vector<std::pair<HWND, bool>> controls;
  for (const KindCase& c : kKinds) controls.emplace_back(control(c.className, c.style, c.text), c.kind != Kind::none);
  HWND comboList = nullptr;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(controls[13].first, &info));
  comboList = info.hwndList;
  ASSERT_TRUE(SetSkinScheme(2));
  EXPECT_EQ(theControlSkin().scheme(), 2);
  for (const auto& [w, skinned] : controls)
    EXPECT_EQ(theControlSkin().isSkinned(w), skinned) << static_cast<int>(skinKindOf(w));
  EXPECT_TRUE(theControlSkin().isSkinned(comboList)) << "a combo box's drop-down list";
  EXPECT_FALSE(theControlSkin().isSkinned(top.get()));
}

TEST_F(ControlSkinTest, WindowsCreatedWhileTheSkinIsOnAreSkinned) {
  ASSERT_TRUE(SetSkinScheme(2));
  HWND button = control(L"Button", BS_PUSHBUTTON, L"后来");
  HWND edit = control(L"Edit", 0);
  HWND label = control(L"Static", 0, L"标签");
  EXPECT_TRUE(theControlSkin().isSkinned(button));
  EXPECT_TRUE(theControlSkin().isSkinned(edit));
  EXPECT_FALSE(theControlSkin().isSkinned(label));
  ASSERT_TRUE(SetSkinScheme(0));
  EXPECT_FALSE(theControlSkin().isSkinned(control(L"Button", BS_PUSHBUTTON, L"关后")));
}

TEST_F(ControlSkinTest, SwitchingOffRestoresTheProceduresAndEveryCallSwitchesAfresh) {
  HWND button = control(L"Button", BS_PUSHBUTTON, L"x");
  const LONG_PTR own = GetWindowLongPtrW(button, GWLP_WNDPROC);
  ASSERT_TRUE(SetSkinScheme(2));
  ASSERT_TRUE(record(button));
  ASSERT_TRUE(SetSkinScheme(3));
  EXPECT_EQ(theControlSkin().scheme(), 3);
  EXPECT_EQ(theControlSkin().skinnedCount(), 1u) << "skinned once, not twice";
  ASSERT_TRUE(SetSkinScheme(7)) << "outside 1..3: off";
  EXPECT_EQ(theControlSkin().scheme(), 0);
  EXPECT_EQ(record(button), nullptr);
  EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), own);
  EXPECT_EQ(theControlSkin().skinnedCount(), 0u);
}

TEST_F(ControlSkinTest, AControlDestroyedWhileSkinnedLeavesNoRecord) {
  ASSERT_TRUE(SetSkinScheme(2));
  HWND button = control(L"Button", BS_PUSHBUTTON, L"x");
  HWND edit = control(L"Edit", 0);
  ASSERT_EQ(theControlSkin().skinnedCount(), 2u);
  DestroyWindow(button);
  EXPECT_EQ(theControlSkin().skinnedCount(), 1u);
  top.reset();
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_EQ(theControlSkin().skinnedCount(), 0u);
}

TEST_F(ControlSkinTest, StateFlagsFollowTheControl) {
  HWND box = control(L"Button", BS_AUTO3STATE | WS_VISIBLE | WS_DISABLED, L"置顶");
  HWND button = control(L"Button", BS_DEFPUSHBUTTON | WS_VISIBLE, L"x");
  ASSERT_TRUE(SetSkinScheme(2));
  EXPECT_EQ(record(box)->flags(), skin::disabled);
  EXPECT_EQ(record(button)->flags(), skin::defaultButton);
  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  EnableWindow(box, TRUE);
  EXPECT_EQ(record(box)->flags(), skin::ticked);
  SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(record(box)->flags(), skin::indeterminate);
  SetFocus(button);
  EXPECT_EQ(record(button)->flags(), skin::defaultButton | skin::focused);
  SendMessageW(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  SendMessageW(button, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(record(button)->flags(), skin::focused | skin::pushed);
  SetFocus(box);
  SendMessageW(button, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(record(button)->flags(), 0u);
}

}  // namespace
