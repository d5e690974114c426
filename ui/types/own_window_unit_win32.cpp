#include "ui/types/own_window_unit_win32.h"

#include "ui/types/reflected_command_win32.h"

bool OwnWindowUnit::createWindow(const UnitContext& c, const wchar_t* className, DWORD style, UINT classStyle) {
  if (!registerUnitClass(className, procedure, classStyle)) return false;
  const UnitRecord& r = c.record;
  HWND hwnd = CreateWindowExW(0, className, L"", WS_CHILD | WS_CLIPSIBLINGS | c.style | style, r.left, r.top, r.width,
                              r.height, c.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.controlId)),
                              GetModuleHandleW(nullptr), this);
  if (!hwnd) return false;
  attach(hwnd);
  return true;
}

LRESULT CALLBACK OwnWindowUnit::procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* unit = static_cast<OwnWindowUnit*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    unit->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(unit));
  }
  auto* unit = reinterpret_cast<OwnWindowUnit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  if (reflectCommand(msg, wp, lp)) return 0;  // from a control inside this unit
  return unit ? unit->handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}
