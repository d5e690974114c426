#include "ui/unit_win32.h"

#include "ui/format/property_data.h"
#include "ui/subclass_win32.h"

Unit::~Unit() {
  // A unit freed before its window (a load that failed half-way) takes its link out of the chain.
  if (hwnd_ && IsWindow(hwnd_)) detachSubclass<Unit>(hwnd_);
}

bool Unit::attach(HWND hwnd) {
  hwnd_ = hwnd;
  return attachSubclass<Unit>(hwnd, *this);
}

Unit* unitOfWindow(HWND hwnd) {
  for (; hwnd; hwnd = GetAncestor(hwnd, GA_PARENT))
    if (Unit* unit = subclassTarget<Unit>(hwnd)) return unit;
  return nullptr;
}

std::optional<PropertyValue> Unit::property(int index) const {
  using namespace common_property;
  if (index == tag) return tag_;
  if (index == cursor) return cursorValue;
  if (!hwnd_) return std::nullopt;
  RECT r{};
  GetWindowRect(hwnd_, &r);
  if (HWND parent = GetAncestor(hwnd_, GA_PARENT); parent && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  switch (index) {
    case left: return std::int32_t{r.left};
    case top: return std::int32_t{r.top};
    case width: return std::int32_t{r.right - r.left};
    case height: return std::int32_t{r.bottom - r.top};
    case visible: return std::int32_t{(GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) ? 1 : 0};
    case disabled: return std::int32_t{IsWindowEnabled(hwnd_) ? 0 : 1};
    default: return std::nullopt;
  }
}

bool Unit::setProperty(int index, const PropertyValue& value) {
  using namespace common_property;
  if (index == tag) {
    if (!std::holds_alternative<std::string>(value)) return false;
    tag_ = std::get<std::string>(value);
    return true;
  }
  const auto* number = std::get_if<std::int32_t>(&value);
  if (!number) return false;
  if (index == cursor) {
    cursorValue = *number;
    return true;
  }
  if (!hwnd_ || index > disabled) return false;
  if (index == visible) {
    // Shown without being activated or brought forward.
    ShowWindow(hwnd_, *number ? SW_SHOWNA : SW_HIDE);
    return true;
  }
  if (index == disabled) {
    EnableWindow(hwnd_, *number ? FALSE : TRUE);
    return true;
  }
  std::int32_t r[4];
  for (int i = 0; i < 4; ++i) r[i] = std::get<std::int32_t>(*property(i));
  r[index] = *number;
  SetWindowPos(hwnd_, nullptr, r[0], r[1], r[2], r[3], SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void Unit::paintParentBackground(HWND hwnd, HDC dc) {
  HWND parent = GetParent(hwnd);
  if (!parent) return;
  POINT origin{0, 0};
  MapWindowPoints(hwnd, parent, &origin, 1);
  POINT old;
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void Unit::paintBackground(HWND hwnd, HDC dc, std::uint32_t colour) {
  if (colour == kDefaultColour) {
    paintParentBackground(hwnd, dc);
    return;
  }
  RECT r;
  GetClientRect(hwnd, &r);
  HBRUSH brush = CreateSolidBrush(storedColour(colour, 0));
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

ATOM registerUnitClass(const wchar_t* name, WNDPROC proc, UINT style) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) return 1;
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  return RegisterClassExW(&wc);
}

COLORREF storedColour(std::uint32_t colour, COLORREF fallback) {
  return colour == kDefaultColour ? fallback : static_cast<COLORREF>(colour & 0xFFFFFF);
}
