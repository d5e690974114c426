// The hotkey forwarder on real windows: WM_HOTKEY for an issued identifier reaches the receiver as
// a feedback message, the window's own procedure still sees every message, and a handler another
// part of the program put on the same window later stays when the forwarder leaves.
#include "soundboard/hotkeys/global_hotkeys_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "ui/private_messages.h"

namespace {

std::vector<WPARAM> ownHotkeys;       // WM_HOTKEY seen by the main window's own procedure
std::vector<WPARAM> receiverNotices;  // feedback messages seen by the receiver

LRESULT CALLBACK ownProcedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_HOTKEY) ownHotkeys.push_back(wp);
  return DefWindowProcW(w, m, wp, lp);
}

LRESULT CALLBACK receiverProcedure(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == private_message::kFeedback) receiverNotices.push_back(wp);
  return DefWindowProcW(w, m, wp, lp);
}

HWND makeWindow(const wchar_t* className, WNDPROC procedure) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  RegisterClassW(&wc);
  return CreateWindowExW(0, className, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
}

void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

TEST(GlobalHotkeysWin32, HotkeysReachTheReceiverAndTheWindowsOwnProcedure) {
  HWND main = makeWindow(L"HotkeyTestMain", ownProcedure);
  HWND label = makeWindow(L"HotkeyTestLabel", receiverProcedure);
  ASSERT_TRUE(main && label);

  std::vector<int> ids;
  for (unsigned key = VK_F1; key <= VK_F4; ++key)
    ids.push_back(globalHotkeys().RegisterGlobalHotkey(main, label, 0, key));
  EXPECT_EQ(ids, (std::vector<int>{33001, 33002, 33003, 33004}));

  PostMessageW(main, WM_HOTKEY, 33002, MAKELPARAM(0, VK_F2));
  PostMessageW(main, WM_HOTKEY, 4242, 0);  // not ours: the window sees it, the receiver does not
  pump();
  EXPECT_EQ(receiverNotices, (std::vector<WPARAM>{33002}));
  EXPECT_EQ(ownHotkeys, (std::vector<WPARAM>{33002, 4242}));

  for (int id : ids) EXPECT_TRUE(globalHotkeys().UnregisterGlobalHotkey(main, id));
  EXPECT_EQ(GetWindowLongPtrW(main, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ownProcedure));
  DestroyWindow(label);
  DestroyWindow(main);
}

std::vector<WPARAM> laterHotkeys;  // WM_HOTKEY seen by a handler put on the window after the forwarder

LRESULT CALLBACK laterHandler(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (m == WM_HOTKEY) laterHotkeys.push_back(wp);
  return DefSubclassProc(w, m, wp, lp);
}

TEST(GlobalHotkeysWin32, AHandlerJoinedAfterTheForwarderStaysWhenTheForwarderLeaves) {
  HWND main = makeWindow(L"HotkeyTestMain2", ownProcedure);
  HWND label = makeWindow(L"HotkeyTestLabel2", receiverProcedure);
  ASSERT_TRUE(main && label);
  receiverNotices.clear();
  ownHotkeys.clear();

  const int id = globalHotkeys().RegisterGlobalHotkey(main, label, 0, VK_F5);
  ASSERT_NE(id, 0);
  ASSERT_TRUE(SetWindowSubclass(main, laterHandler, 7, 0));
  ASSERT_TRUE(globalHotkeys().UnregisterGlobalHotkey(main, id));

  PostMessageW(main, WM_HOTKEY, static_cast<WPARAM>(id), 0);
  pump();
  EXPECT_EQ(laterHotkeys, (std::vector<WPARAM>{static_cast<WPARAM>(id)})) << "the later handler is still there";
  EXPECT_EQ(ownHotkeys, (std::vector<WPARAM>{static_cast<WPARAM>(id)}));
  EXPECT_TRUE(receiverNotices.empty()) << "the forwarder is gone";
  DestroyWindow(label);
  DestroyWindow(main);
}

}  // namespace
