#include "features/lock/lock_screen_win32.h"

namespace {

// Whether any visible window stands above `window` in the stacking order.
bool visibleWindowAbove(HWND window) {
  for (HWND w = GetWindow(window, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
    if (IsWindowVisible(w)) return true;
  return false;
}

lock::WindowStanding standingOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {{r.left, r.top, r.right - r.left, r.bottom - r.top},
          (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
          visibleWindowAbove(window)};
}

}  // namespace

void removeWindowBorder(HWND window) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  SetWindowLongW(window, GWL_STYLE, (style & ~(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_BORDER)) | WS_POPUP);
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  SetWindowLongW(window, GWL_EXSTYLE,
                 exStyle & ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

lock::ScreenMetrics currentScreenMetrics() {
  return {{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
           GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)},
          GetSystemMetrics(SM_CXSCREEN),
          GetSystemMetrics(SM_CYSCREEN)};
}

bool coverScreen(HWND window) {
  const lock::ScreenRect cover = lock::coverRectangle(currentScreenMetrics());
  if (!lock::needsCovering(standingOf(window), cover)) return false;
  SetWindowPos(window, HWND_TOPMOST, cover.left, cover.top, cover.width, cover.height, SWP_NOACTIVATE);
  return true;
}
