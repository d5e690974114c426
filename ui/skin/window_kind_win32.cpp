#include "ui/skin/window_kind_win32.h"

#include <string>

#include "ui/gbk.h"

namespace {

// Class names are ASCII; anything else cannot match a skinned class.
std::string classNameOf(HWND window) {
  wchar_t wide[64] = {};
  const int length = GetClassNameW(window, wide, 64);
  std::string name;
  for (int i = 0; i < length; ++i) name += wide[i] < 0x80 ? static_cast<char>(wide[i]) : '?';
  return name;
}

bool insideIpAddress(HWND window) {
  HWND parent = GetParent(window);
  return parent && gbk::equalIgnoringAsciiCase(classNameOf(parent), "SysIPAddress32");
}

}  // namespace

skin::Kind skinKindOf(HWND window) {
  const std::string className = classNameOf(window);
  return skin::kindOf({className, static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE)),
                       GetWindowTextLengthW(window) > 0, insideIpAddress(window)});
}
