#include "ui/types/window_unit_win32.h"

#include "ui/gbk_text_win32.h"
#include "ui/pictures/bitmaps_win32.h"
#include "ui/types/pixel_layout_win32.h"

namespace {

const wchar_t kClassName[] = L"LanxingWindow";

struct Styles {
  DWORD style = WS_CLIPCHILDREN, exStyle = 0;
};

Styles stylesOf(const WindowProperties& p, bool owned) {
  Styles s;
  const std::uint32_t border = p.border;
  if (border == 0) {
    s.style |= WS_POPUP;
  } else {
    if (!p.caption.empty() || p.controlBox)
      s.style |= WS_CAPTION | (p.controlBox ? WS_SYSMENU : 0);
    else
      s.style |= WS_BORDER;
    if (border == 1 || border == 3 || border == 5) s.style |= WS_THICKFRAME;
    if (border == 3 || border == 4) s.exStyle |= WS_EX_TOOLWINDOW;
    if (border == 5 || border == 6) s.exStyle |= WS_EX_CLIENTEDGE;
  }
  if (p.maximiseButton) s.style |= WS_MAXIMIZEBOX;
  if (p.minimiseButton) s.style |= WS_MINIMIZEBOX;
  const bool resizable = border == 1 || border == 3 || border == 5;
  if (p.positionMode == 2) s.style |= WS_MINIMIZE;
  if (p.positionMode == 3 && resizable) s.style |= WS_MAXIMIZE;
  if (owned) s.style |= WS_POPUP;
  return s;
}

}  // namespace

std::unique_ptr<WindowUnit> WindowUnit::create(const UnitContext& c, HMENU menuBar, bool modal,
                                               const std::function<HWND()>& hiddenOwner) {
  auto properties = propertiesOrDefaults<WindowProperties>(c.record);
  if (!properties || !registerUnitClass(kClassName, DefWindowProcW, CS_DBLCLKS)) return nullptr;
  std::unique_ptr<WindowUnit> unit(new WindowUnit(c, std::move(*properties)));
  const WindowProperties& p = unit->properties_;
  const UnitRecord& r = c.record;
  int left = r.left, top = r.top;
  if (p.positionMode == 1) {
    left = (GetSystemMetrics(SM_CXSCREEN) - r.width) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - r.height) / 2;
  }
  const Styles s = stylesOf(p, c.parent != nullptr);
  HWND owner = c.parent ? c.parent : (modal || !p.shownInTaskBar) ? hiddenOwner() : nullptr;
  unit->brush_.reset(CreateSolidBrush(unit->background()));
  const SIZE size = outerSizeKeepingClientArea(s.style, s.exStyle, menuBar != nullptr, r.width, r.height);
  HWND hwnd = CreateWindowExW(s.exStyle, kClassName, wideFromGbk(p.caption).c_str(), s.style, left, top, size.cx,
                              size.cy, owner, menuBar, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return nullptr;
  if (!unit->attach(hwnd)) {
    ::DestroyWindow(hwnd);
    return nullptr;
  }
  RECT outer{};
  GetWindowRect(hwnd, &outer);
  if (outer.right - outer.left != size.cx || outer.bottom - outer.top != size.cy)
    SetWindowPos(hwnd, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
  if (p.alwaysOnTop) SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!p.movable) RemoveMenu(GetSystemMenu(hwnd, FALSE), SC_MOVE, MF_BYCOMMAND);
  unit->applyIcon();
  return unit;
}

void WindowUnit::applyIcon() {
  bigIcon_ = iconFromFile(properties_.icon, GetSystemMetrics(SM_CXICON));
  smallIcon_ = iconFromFile(properties_.icon, GetSystemMetrics(SM_CXSMICON));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

std::optional<PropertyValue> WindowUnit::property(int index) const {
  switch (index) {
    case window_property::caption: {
      wchar_t text[512];
      GetWindowTextW(hwnd_, text, 512);
      return gbkFromWide(text);
    }
    case window_property::alwaysOnTop:
      return std::int32_t{(GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0};
    case window_property::icon: return properties_.icon;
    default: return Unit::property(index);
  }
}

bool WindowUnit::setProperty(int index, const PropertyValue& value) {
  const auto* number = std::get_if<std::int32_t>(&value);
  const auto* text = std::get_if<std::string>(&value);
  switch (index) {
    case window_property::caption: return text && SetWindowTextW(hwnd_, wideFromGbk(*text).c_str());
    case window_property::alwaysOnTop:
      return number && SetWindowPos(hwnd_, *number ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                                    SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    case window_property::icon:
      if (!text) return false;
      properties_.icon = *text;
      applyIcon();
      return true;
    default: return Unit::setProperty(index, value);
  }
}
