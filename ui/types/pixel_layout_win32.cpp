#include "ui/types/pixel_layout_win32.h"

namespace {

constexpr int kLayoutDpi = 96;

int systemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kLayoutDpi;
}

// The frame around an empty client area, as a rectangle of negative left/top and positive
// right/bottom extents.
RECT frameAt96Dpi(DWORD style, DWORD exStyle, bool menuBar, const RECT& frameNow, int dpi) {
  // Windows 10 (1607) and later know the frame at any DPI; before them the frame is scaled back.
  using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  RECT frame{};
  if (adjustForDpi && adjustForDpi(&frame, style, menuBar, exStyle, kLayoutDpi)) return frame;
  return {MulDiv(frameNow.left, kLayoutDpi, dpi), MulDiv(frameNow.top, kLayoutDpi, dpi),
          MulDiv(frameNow.right, kLayoutDpi, dpi), MulDiv(frameNow.bottom, kLayoutDpi, dpi)};
}

}  // namespace

SIZE outerSizeKeepingClientArea(DWORD style, DWORD exStyle, bool menuBar, int width, int height) {
  const int dpi = systemDpi();
  if (dpi == kLayoutDpi) return {width, height};
  RECT now{};
  AdjustWindowRectEx(&now, style, menuBar, exStyle);
  const RECT then = frameAt96Dpi(style, exStyle, menuBar, now, dpi);
  const int grownWidth = (now.right - now.left) - (then.right - then.left);
  const int grownHeight = (now.bottom - now.top) - (then.bottom - then.top);
  return {width + grownWidth, height + grownHeight};
}

HFONT defaultGuiFont() {
  // Made once and kept for the process's life, like the stock font it stands for.
  static const HFONT font = [] {
    const auto stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const int dpi = systemDpi();
    if (dpi == kLayoutDpi) return stock;
    LOGFONTW lf{};
    GetObjectW(stock, sizeof lf, &lf);
    lf.lfHeight = MulDiv(lf.lfHeight, kLayoutDpi, dpi);
    HFONT scaled = CreateFontIndirectW(&lf);
    return scaled ? scaled : stock;
  }();
  return font;
}
