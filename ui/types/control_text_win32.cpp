#include "ui/types/control_text_win32.h"

#include "ui/gbk_text_win32.h"

std::string controlText(HWND control) {
  const int n = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  GetWindowTextW(control, text.data(), n + 1);
  text.resize(static_cast<std::size_t>(n));
  return gbkFromWide(text);
}

bool setControlText(HWND control, std::string_view gbk) { return SetWindowTextW(control, wideFromGbk(gbk).c_str()); }
