#include "ui/types/standard_control_win32.h"

#include "ui/gbk_text_win32.h"
#include "ui/private_messages.h"

bool StandardControlUnit::createControl(const UnitContext& c, const wchar_t* className, DWORD style,
                                        std::string_view text, std::string_view font, int height) {
  const UnitRecord& r = c.record;
  HWND hwnd = CreateWindowExW(
      0, className, wideFromGbk(text).c_str(), WS_CHILD | WS_CLIPSIBLINGS | c.style | style, r.left, r.top, r.width,
      height, c.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.controlId)), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd || !attach(hwnd)) return false;
  font_ = fontFromProperty(font);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOrDefault(font_)), FALSE);
  return true;
}

LRESULT StandardControlUnit::subclassedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == private_message::kReflectedCommand) {
    notified(HIWORD(wp));
    return 0;
  }
  LRESULT result = 0;
  if (intercept(msg, wp, lp, result)) return result;
  return passToNextProcedure(hwnd, msg, wp, lp);
}
