#include "app/tray_icon_win32.h"

#include <shellapi.h>

#include <cwchar>

#include "ui/gbk_text_win32.h"
#include "ui/private_messages.h"

namespace {

constexpr UINT kTrayIconId = 1;
HWND trayWindow = nullptr;

}  // namespace

bool addTrayIcon(HWND window, HICON icon, std::string_view tip) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = kTrayIconId;
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = private_message::kTrayIcon;
  data.hIcon = icon;
  std::wcsncpy(data.szTip, wideFromGbk(tip).c_str(), std::size(data.szTip) - 1);
  if (!Shell_NotifyIconW(NIM_ADD, &data)) return false;
  trayWindow = window;
  return true;
}

void removeTrayIcon() {
  if (!trayWindow) return;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = trayWindow;
  data.uID = kTrayIconId;
  Shell_NotifyIconW(NIM_DELETE, &data);
  trayWindow = nullptr;
}
