#include "ui/types/own_window_unit_win32.h"

#include "ui/types/reflected_command_win32.h"

bool OwnWindowUnit::createWindow(const UnitContext& c, const wchar_t* className, DWORD style, UINT classStyle) {
  if (!registerUnitClass(className, DefWindowProcW, classStyle)) return false;
  const UnitRecord& r = c.record;
  HWND hwnd = CreateWindowExW(0, className, L"", WS_CHILD | WS_CLIPSIBLINGS | c.style | style, r.left, r.top, r.width,
                              r.height, c.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.controlId)),
                              GetModuleHandleW(nullptr), nullptr);
  return hwnd && attach(hwnd);
}

LRESULT OwnWindowUnit::subclassedMessage(HWND, UINT msg, WPARAM wp, LPARAM lp) {
  if (reflectCommand(msg, wp, lp)) return 0;  // from a control inside this unit
  return handle(msg, wp, lp);
}
