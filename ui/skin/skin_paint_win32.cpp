#include "ui/skin/skin_paint_win32.h"

#include <memory>
#include <optional>
#include <string>

#include "ui/handles_win32.h"
#include "ui/skin/check_box_painter.h"
#include "ui/skin/frame_painter.h"
#include "ui/skin/push_button_painter.h"

namespace {

using skin::Kind;

// A 32-bit top-down bitmap of the system's own pixel layout, selected into a memory DC, with the
// skin's canvas over its pixels.
class PixelBuffer {
 public:
  PixelBuffer(HDC like, int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(like, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) return;
    pixels_ = static_cast<std::uint32_t*>(bits);
    dc_ = std::make_unique<MemoryDc>(like, bitmap_.get());
  }
  bool ready() const { return dc_ != nullptr; }
  HDC dc() const { return *dc_; }
  skin::Canvas canvas() {
    GdiFlush();  // GDI's drawing into the bitmap lands before the canvas writes
    return {{pixels_, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)}, width_, height_};
  }
  void copyTo(HDC target, const RECT& r) const {
    GdiFlush();
    BitBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, *dc_, r.left, r.top, SRCCOPY);
  }

 private:
  int width_, height_;
  OwnedBitmap bitmap_;
  std::uint32_t* pixels_ = nullptr;
  std::unique_ptr<MemoryDc> dc_;
};

skin::SystemColours systemColours() {
  return {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_GRAYTEXT)};
}

std::wstring textOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT rectOf(const skin::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// The text where the painter wants it, in the control's font; aligned vertically by hand, since
// the system aligns only single lines.
void drawText(HDC dc, HWND control, const skin::TextLayout& layout) {
  const std::wstring text = textOf(control);
  if (text.empty()) return;
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, layout.colour);
  using H = skin::TextLayout::Horizontal;
  using V = skin::TextLayout::Vertical;
  const UINT flags = (layout.wordWrap ? DT_WORDBREAK : DT_SINGLELINE) | (layout.horizontal == H::left    ? DT_LEFT
                                                                         : layout.horizontal == H::right ? DT_RIGHT
                                                                                                         : DT_CENTER);
  RECT box = rectOf(layout.box), measured = box;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, flags | DT_CALCRECT);
  const int height = measured.bottom - measured.top, room = box.bottom - box.top;
  if (layout.vertical == V::centre) box.top += (room - height) / 2;
  if (layout.vertical == V::bottom) box.top = box.bottom - height;
  box.bottom = box.top + height;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, flags);
  if (layout.focusAroundText) {
    const int width = measured.right - measured.left;
    if (layout.horizontal == H::right) box.left = box.right - width;
    if (layout.horizontal == H::centre) box.left += (box.right - box.left - width) / 2;
    box.right = box.left + width;
    InflateRect(&box, 1, 1);
    DrawFocusRect(dc, &box);
  }
  SelectObject(dc, oldFont);
}

void fillWithParentBrush(PixelBuffer& buffer, const RECT& r, const ParentColours& parent) {
  FillRect(buffer.dc(), &r, parent.brush ? parent.brush : GetSysColorBrush(COLOR_BTNFACE));
}

SIZE captionSize(HDC dc, HWND control) {
  const std::wstring text = textOf(control);
  SIZE size{};
  if (text.empty()) return size;
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, oldFont);
  return size;
}

// The client area: buttons, check boxes, radio buttons, group boxes and up-downs.
void paintClient(HWND control, const SkinnedLook& look, HDC printed) {
  RECT client;
  GetClientRect(control, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  HDC screen = printed ? printed : GetDC(control);
  PixelBuffer buffer(screen, client.right, client.bottom);
  if (buffer.ready()) {
    const auto style = static_cast<std::uint32_t>(GetWindowLongW(control, GWL_STYLE));
    const skin::SystemColours system = systemColours();
    std::optional<skin::TextLayout> text;
    if (look.kind != Kind::pushButton) fillWithParentBrush(buffer, client, look.parent);
    skin::Canvas canvas = buffer.canvas();
    switch (look.kind) {
      case Kind::pushButton: text = skin::paintPushButton(canvas, look.scheme, look.flags, style, system); break;
      case Kind::checkBox: text = skin::paintCheckBox(canvas, look.flags, style, system, look.parent.text); break;
      case Kind::radioButton: text = skin::paintRadioButton(canvas, look.flags, style, system, look.parent.text); break;
      case Kind::groupBox: {
        const SIZE caption = captionSize(buffer.dc(), control);
        text = skin::paintGroupBox(canvas, look.scheme, look.flags, system, caption.cx, caption.cy, look.parent.text);
        break;
      }
      case Kind::upDown: skin::paintUpDown(canvas, look.scheme, look.flags, style, system); break;
      default: break;
    }
    if (text) drawText(buffer.dc(), control, *text);
    buffer.copyTo(screen, client);
  }
  if (!printed) ReleaseDC(control, screen);
}

// The two outer rings of the whole window, and a combo box's drop button inside them.
void paintFrame(HWND control, const SkinnedLook& look, HDC printed) {
  RECT window;
  GetWindowRect(control, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (width < 4 || height < 4) return;
  HDC screen = printed ? printed : GetWindowDC(control);
  POINT oldOrigin{};
  if (printed) {
    // The printing DC starts at the client origin; the frame lies around it.
    POINT client{0, 0};
    ClientToScreen(control, &client);
    OffsetViewportOrgEx(printed, window.left - client.x, window.top - client.y, &oldOrigin);
  }
  PixelBuffer buffer(screen, width, height);
  if (buffer.ready()) {
    skin::Canvas canvas = buffer.canvas();
    const skin::SystemColours system = systemColours();
    constexpr int kRings = 2;
    std::optional<skin::Rect> button;
    if (look.kind == Kind::comboBox)
      button = skin::paintComboBoxFrame(canvas, look.scheme, look.flags, system, GetSystemMetrics(SM_CXVSCROLL));
    else
      skin::paintEditFrame(canvas, look.scheme, look.flags, system);
    const RECT rings[] = {{0, 0, width, kRings},
                          {0, height - kRings, width, height},
                          {0, kRings, kRings, height - kRings},
                          {width - kRings, kRings, width, height - kRings}};
    for (const RECT& ring : rings) buffer.copyTo(screen, ring);
    if (button) buffer.copyTo(screen, rectOf(*button));
  }
  if (printed)
    SetViewportOrgEx(printed, oldOrigin.x, oldOrigin.y, nullptr);
  else
    ReleaseDC(control, screen);
}

}  // namespace

void paintSkinned(HWND control, const SkinnedLook& look, skin::Handling::Repaint what, HDC printed) {
  if (what == skin::Handling::Repaint::none || !IsWindowVisible(control)) return;
  switch (look.kind) {
    case Kind::editBox:
    case Kind::comboBox: paintFrame(control, look, printed); break;
    case Kind::dropDownList:
    case Kind::none: break;
    default: paintClient(control, look, printed); break;
  }
}
