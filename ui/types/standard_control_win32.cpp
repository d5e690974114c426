#include "ui/types/standard_control_win32.h"

#include <commctrl.h>

#include "ui/gbk_text_win32.h"
#include "ui/types/reflected_command_win32.h"

namespace {
constexpr UINT_PTR kSubclassId = 1;
}

StandardControlUnit::~StandardControlUnit() {
  if (hwnd_ && IsWindow(hwnd_)) RemoveWindowSubclass(hwnd_, procedure, kSubclassId);
}

bool StandardControlUnit::createControl(const UnitContext& c, const wchar_t* className, DWORD style,
                                        std::string_view text, std::string_view font, int height) {
  const UnitRecord& r = c.record;
  HWND hwnd = CreateWindowExW(0, className, wideFromGbk(text).c_str(), WS_CHILD | WS_CLIPSIBLINGS | c.style | style,
                              r.left, r.top, r.width, height, c.parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.controlId)), GetModuleHandleW(nullptr),
                              nullptr);
  if (!hwnd) return false;
  attach(hwnd);
  font_ = fontFromProperty(font);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOrDefault(font_)), FALSE);
  return SetWindowSubclass(hwnd, procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK StandardControlUnit::procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  auto* unit = reinterpret_cast<StandardControlUnit*>(self);
  if (msg == kReflectedCommand) {
    unit->notified(HIWORD(wp));
    return 0;
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, procedure, kSubclassId);
  LRESULT result = 0;
  if (unit->intercept(msg, wp, lp, result)) return result;
  return DefSubclassProc(hwnd, msg, wp, lp);
}
