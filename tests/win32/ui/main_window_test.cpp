// The main window as the loader builds it from the program's own block: units with their
// rectangles, flags, parents, stacking, control ids and cursors; events reaching handlers with
// their arguments; the tray codes and the tray menu.
#include <gtest/gtest.h>

#include "assets/windows/handlers.h"
#include "assets/windows/main_window_ids.h"
#include "recording_handlers.h"
#include "ui/private_messages.h"
#include "ui/block_resource_win32.h"
#include "ui/format/events.h"
#include "ui/window_framework_win32.h"
#include "ui/menus_win32.h"
#include "ui/resources.h"
#include "ui/types/unit_types_win32.h"
#include "ui/types/window_unit_win32.h"

namespace {

using namespace main_window;

std::size_t ref(Handler h) { return handlerReference(h); }

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    recorded.clear();
    replies.clear();
    static const auto handlers = recordingHandlers<static_cast<std::size_t>(Handler::count)>();
    testWindows().ReadTemplates(windowBlockResource(), handlers);
    ASSERT_TRUE(testWindows().LoadWindow(kWindowId, nullptr));
    hwnd = testWindows().GetWindowHandle(kWindowId);
    ASSERT_TRUE(hwnd);
  }
  void TearDown() override {
    testWindows().DestroyWindow(kWindowId);
    pumpPending();
  }
  HWND unit(std::uint32_t id) const { return testWindows().GetUnit(kWindowId, id)->hwnd(); }
  const WindowTemplate& tmpl() const { return *testWindows().windowTable().find(kWindowId); }

  HWND hwnd = nullptr;
};

TEST_F(MainWindowTest, CreatedEventRanOnceAndTheWindowIsCentredAtItsOuterSize) {
  ASSERT_EQ(eventsOf(ref(Handler::startMainWindow)).size(), 1u);
  EXPECT_EQ(eventsOf(ref(Handler::startMainWindow))[0].event, event::created);
  RECT r;
  GetWindowRect(hwnd, &r);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(r.left, (width - 150) / 2);
  EXPECT_EQ(r.top, (height - 340) / 2);
  EXPECT_EQ(r.right - r.left, 150);
  EXPECT_EQ(r.bottom - r.top, 340);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "narrow caption";
  EXPECT_FALSE(GetWindowLongW(hwnd, GWL_STYLE) & WS_THICKFRAME) << "fixed size";
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr) << "shown in the task bar: no hidden owner";
  EXPECT_EQ(std::get<std::string>(testWindows().GetProperty(kWindowId, 0, window_property::caption)),
            "澜星助手工具箱v1.6");
  EXPECT_TRUE(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0)) << "the icon from the window's property data";
}

TEST_F(MainWindowTest, EveryUnitHasItsRectangleParentFlagsAndControlId) {
  int expectedId = 100;
  for (std::size_t i = tmpl().units.size(); i-- > 1;) {
    const UnitTemplate& t = tmpl().units[i];
    if (!t.unit) continue;
    SCOPED_TRACE(t.unit->name);
    const UnitRecord& r = *t.unit;
    HWND w = unit(t.id);
    ASSERT_TRUE(w);
    EXPECT_EQ(GetDlgCtrlID(w), expectedId) << "control ids in creation order, last record first";
    expectedId += 10;
    EXPECT_EQ(GetParent(w), r.parentId ? unit(r.parentId) : hwnd);
    for (int p = 0; p < 4; ++p)
      EXPECT_EQ(std::get<std::int32_t>(testWindows().GetProperty(kWindowId, t.id, p)), (&r.left)[p])
          << "property " << p;
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    EXPECT_EQ((style & WS_VISIBLE) != 0, (r.flags & unit_flag::visible) != 0);
    EXPECT_EQ((style & WS_DISABLED) != 0, (r.flags & unit_flag::disabled) != 0);
    EXPECT_EQ((style & WS_TABSTOP) != 0, (r.flags & unit_flag::tabStop) != 0);
  }
}

TEST_F(MainWindowTest, SiblingsStackInRecordOrder) {
  std::map<HWND, std::vector<HWND>> expected;
  for (const UnitTemplate& t : tmpl().units)
    if (t.unit && t.typeWord != type_word::window) expected[GetParent(unit(t.id))].push_back(unit(t.id));
  for (const auto& [parent, children] : expected) {
    std::vector<HWND> stacked;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) stacked.push_back(c);
    EXPECT_EQ(stacked, children);
  }
}

TEST_F(MainWindowTest, HandCursorFromTheProgramsResourcesOverPictureButtonsAndLinks) {
  HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(LANXING_HAND_CURSOR_RESOURCE));
  ASSERT_TRUE(hand);
  for (std::uint32_t id : {退出1, 音频助手1, 检测更新1}) {
    SetCursor(nullptr);
    EXPECT_TRUE(
        SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(unit(id)), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), hand) << id;
  }
  EXPECT_FALSE(
      SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(unit(外形框1)), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)))
      << "a frame without a cursor of its own keeps the class cursor";
  EXPECT_EQ(std::get<std::int32_t>(testWindows().GetProperty(kWindowId, 退出1, common_property::cursor)), 32649);
}

TEST_F(MainWindowTest, LoadingAnOpenWindowCreatesNothingAndRestoresIt) {
  ShowWindow(hwnd, SW_MINIMIZE);
  ASSERT_TRUE(testWindows().LoadWindow(kWindowId, nullptr));
  EXPECT_EQ(testWindows().GetWindowHandle(kWindowId), hwnd);
  EXPECT_FALSE(IsIconic(hwnd));
  EXPECT_EQ(eventsOf(ref(Handler::startMainWindow)).size(), 1u);
}

TEST_F(MainWindowTest, MouseEventsReachTheBoundHandlerWithPositionAndKeyState) {
  PostMessageW(unit(检测更新1), WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
  PostMessageW(unit(检测更新1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 8));  // no binding: ignored
  ASSERT_TRUE(pumpUntil([] { return !eventsOf(ref(Handler::openUpdatePage)).empty(); }));
  pumpPending();
  const auto events = eventsOf(ref(Handler::openUpdatePage));
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].unit, 检测更新1);
  EXPECT_EQ(events[0].event, event::leftUp);
  EXPECT_EQ(events[0].args, (std::vector<std::int32_t>{5, 6, 0}));
}

TEST_F(MainWindowTest, PictureButtonClickReachesItsHandler) {
  HWND button = unit(退出1);
  PostMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(pumpUntil([] { return !eventsOf(ref(Handler::quitProgram)).empty(); }));
  EXPECT_EQ(eventsOf(ref(Handler::quitProgram))[0].unit, 退出1);
  EXPECT_EQ(eventsOf(ref(Handler::quitProgram))[0].event, event::click);
  EXPECT_NE(GetCapture(), button) << "released with the click";
}

TEST_F(MainWindowTest, LabelFeedbackReturnsTheHandlersValueToTheSender) {
  replies[ref(Handler::hotkeyPressed)] = 7;
  EXPECT_EQ(SendMessageW(unit(标签1), private_message::kFeedback, 33001, 0), 7);
  const auto events = eventsOf(ref(Handler::hotkeyPressed));
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].args, (std::vector<std::int32_t>{33001, 0}));
}

TEST_F(MainWindowTest, TrayMouseMessagesBecomeCodes) {
  const std::pair<UINT, std::optional<std::int32_t>> cases[] = {{WM_LBUTTONUP, 1},
                                                                {WM_LBUTTONDBLCLK, 2},
                                                                {WM_RBUTTONUP, 3},
                                                                {WM_CONTEXTMENU, 3},
                                                                {WM_MOUSEMOVE, std::nullopt},
                                                                {WM_LBUTTONDOWN, std::nullopt},
                                                                {WM_RBUTTONDOWN, std::nullopt}};
  for (const auto& [mouse, code] : cases) {
    recorded.clear();
    SendMessageW(hwnd, private_message::kTrayIcon, 1, mouse);
    const auto events = eventsOf(ref(Handler::mainWindowTrayIcon));
    if (!code) {
      EXPECT_TRUE(events.empty()) << mouse;
      continue;
    }
    ASSERT_EQ(events.size(), 1u) << mouse;
    EXPECT_EQ(events[0].event, event::trayIcon);
    EXPECT_EQ(events[0].args, std::vector<std::int32_t>{*code}) << mouse;
  }
}

TEST_F(MainWindowTest, MenuCommandsRaiseTheirItemsClick) {
  SendMessageW(hwnd, WM_COMMAND, kFirstMenuCommand, 0);
  SendMessageW(hwnd, WM_COMMAND, kFirstMenuCommand + 1, 0);
  ASSERT_EQ(eventsOf(ref(Handler::showMainWindow)).size(), 1u);
  EXPECT_EQ(eventsOf(ref(Handler::showMainWindow))[0].unit, 显示程序);
  ASSERT_EQ(eventsOf(ref(Handler::quitProgram)).size(), 1u);
  EXPECT_EQ(eventsOf(ref(Handler::quitProgram))[0].unit, 退出程序);
  EXPECT_EQ(GetMenu(hwnd), nullptr) << "托盘菜单 is not in a menu bar";
}

RECT shownMenu{};
void CALLBACK closeMenuOnceShown(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  GetWindowRect(menu, &shownMenu);
  KillTimer(nullptr, timer);
  EndMenu();
}

TEST_F(MainWindowTest, TrayMenuPopsUpRightAlignedFivePixelsAboveLeftOfThePointer) {
  SetCursorPos(500, 400);
  POINT at;
  GetCursorPos(&at);
  shownMenu = {};
  SetTimer(nullptr, 0, 20, closeMenuOnceShown);
  testWindows().PopupMenu(kWindowId, 托盘菜单);  // returns once the timer has closed it
  EXPECT_EQ(shownMenu.right, at.x - 5);
  EXPECT_EQ(shownMenu.top, at.y - 5);
  EXPECT_GT(shownMenu.bottom - shownMenu.top, 20) << "two entries";
}

TEST_F(MainWindowTest, DestroyingTheWindowForgetsItsUnits) {
  testWindows().DestroyWindow(kWindowId);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(testWindows().GetUnit(kWindowId, 退出1), nullptr);
  EXPECT_EQ(testWindows().LoadedWindowCount(), 0);
  ASSERT_TRUE(testWindows().LoadWindow(kWindowId, nullptr)) << "the template stays for another load";
  EXPECT_EQ(eventsOf(ref(Handler::startMainWindow)).size(), 2u);
}

}  // namespace
