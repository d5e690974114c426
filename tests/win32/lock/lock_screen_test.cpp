// The lock screen's window jobs on a plain window: the border taken away, and the cover made only
// when the window has lost its place.
#include <gtest/gtest.h>

#include "features/lock/lock_screen_win32.h"
#include "ui/handles_win32.h"

namespace {

OwnedWindow framedWindow() {
  return OwnedWindow(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"framed", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 50,
                                     50, 270, 102, nullptr, nullptr, nullptr, nullptr));
}

TEST(LockScreen, OnOneMonitorTheCoverIsThePrimaryScreen) {
  const lock::ScreenRect cover = lock::coverRectangle(currentScreenMetrics());
  EXPECT_EQ(cover, (lock::ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
}

TEST(LockScreen, WithoutItsBorderTheWindowIsAllClientArea) {
  const OwnedWindow window = framedWindow();
  ASSERT_TRUE(window);
  removeWindowBorder(window.get());
  RECT outer, client;
  GetWindowRect(window.get(), &outer);
  GetClientRect(window.get(), &client);
  EXPECT_EQ(outer.right - outer.left, client.right);
  EXPECT_EQ(outer.bottom - outer.top, client.bottom);
  EXPECT_FALSE(GetWindowLongW(window.get(), GWL_STYLE) & (WS_CAPTION | WS_SYSMENU));
}

TEST(LockScreen, CoversOnceAndThenOnlyWhenMovedOrNoLongerOnTop) {
  const OwnedWindow window = framedWindow();
  ASSERT_TRUE(window);
  removeWindowBorder(window.get());
  EXPECT_TRUE(coverScreen(window.get()));
  RECT r;
  GetWindowRect(window.get(), &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_TRUE(GetWindowLongW(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(coverScreen(window.get())) << "in place: no move";

  SetWindowPos(window.get(), nullptr, 10, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(coverScreen(window.get())) << "moved";
  SetWindowPos(window.get(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_TRUE(coverScreen(window.get())) << "no longer topmost";
  const OwnedWindow above(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"above", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                          nullptr, nullptr, nullptr, nullptr));
  EXPECT_TRUE(coverScreen(window.get())) << "another window on top";
  EXPECT_FALSE(coverScreen(window.get()));
}

}  // namespace
