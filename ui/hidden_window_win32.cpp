#include "ui/hidden_window_win32.h"

namespace {
HWND hidden = nullptr;
}

bool createHiddenMessageWindow() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"LanxingHiddenOwner";
  if (!RegisterClassExW(&wc)) return false;
  hidden = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance,
                           nullptr);
  return hidden != nullptr;
}

HWND hiddenMessageWindow() { return hidden; }
