#include "ui/hidden_window_win32.h"

#include "ui/unit_win32.h"

OwnedWindow createHiddenOwnerWindow() {
  const wchar_t kClassName[] = L"LanxingHiddenOwner";
  if (!registerUnitClass(kClassName, DefWindowProcW)) return nullptr;
  return OwnedWindow(CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
}
