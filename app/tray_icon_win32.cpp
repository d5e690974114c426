#include "app/tray_icon_win32.h"

#include <shellapi.h>

#include <cwchar>
#include <string>
#include <utility>

#include "ui/gbk_text_win32.h"
#include "ui/private_messages.h"

namespace {

constexpr UINT kTrayIconId = 1;
HWND trayWindow = nullptr;

struct PendingIcon {
  UINT_PTR timer = 0;
  HWND window = nullptr;
  std::wstring tip;
};
PendingIcon pending;

void addTrayIcon(HWND window, const std::wstring& tip) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = kTrayIconId;
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = private_message::kTrayIcon;
  data.hIcon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  std::wcsncpy(data.szTip, tip.c_str(), std::size(data.szTip) - 1);
  if (Shell_NotifyIconW(NIM_ADD, &data)) trayWindow = window;
}

// A thread timer, so its id cannot clash with a window's own; WM_TIMER comes after painting.
void CALLBACK addPendingIcon(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, std::exchange(pending.timer, 0));
  if (IsWindow(pending.window)) addTrayIcon(pending.window, pending.tip);
}

}  // namespace

void addTrayIconWhenIdle(HWND window, std::string_view tip) {
  removeTrayIcon();
  pending = {SetTimer(nullptr, 0, 0, addPendingIcon), window, wideFromGbk(tip)};
  if (!pending.timer) addTrayIcon(window, pending.tip);
}

void removeTrayIcon() {
  if (pending.timer) KillTimer(nullptr, std::exchange(pending.timer, 0));
  if (!trayWindow) return;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = trayWindow;
  data.uID = kTrayIconId;
  Shell_NotifyIconW(NIM_DELETE, &data);
  trayWindow = nullptr;
}
