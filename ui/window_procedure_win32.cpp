// The top-level window of every loaded window: close and destroy, moves and sizes, showing,
// the tray icon, menu commands, the units' cursors and the background.
#include "ui/format/events.h"
#include "ui/loaded_window_win32.h"
#include "ui/loader_win32.h"
#include "ui/types/reflected_command_win32.h"

namespace {

std::optional<std::int32_t> trayCode(LPARAM mouseMessage) {
  switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP: return tray_code::leftUp;
    case WM_LBUTTONDBLCLK: return tray_code::leftDoubleClick;
    case WM_RBUTTONUP: case WM_CONTEXTMENU: return tray_code::rightUp;
    default: return std::nullopt;
  }
}

void close(HWND hwnd, std::uint32_t windowId) {
  const RaiseResult r = RaiseEvent(windowId, 0, event::mayClose);
  if (!IsWindow(hwnd) || (r.returned && *r.returned == 0)) return;
  ::DestroyWindow(hwnd);
}

bool setUnitCursor(LoadedWindow& w, HWND under, LPARAM lp) {
  if (LOWORD(lp) != HTCLIENT) return false;
  const int i = w.indexOf(unitOfWindow(under));
  if (i < 0 || !w.cursors[i].handle) return false;
  SetCursor(w.cursors[i].handle);
  return true;
}

}  // namespace

LRESULT CALLBACK topLevelWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  LoadedWindow* w = findLoaded(hwnd);
  if (!w) {
    if (msg == WM_NCDESTROY) forgetLoaded(hwnd);
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  const std::uint32_t id = w->tmpl.id;
  switch (msg) {
    case WM_CLOSE:
      close(hwnd, id);
      return 0;
    case WM_DESTROY:
      for (HWND other : w->disabledByModal) EnableWindow(other, TRUE);
      RaiseEvent(id, 0, event::aboutToBeDestroyed);
      return 0;
    case WM_NCDESTROY:
      forgetLoaded(hwnd);
      if (LoadedWindowCount() == 0) PostQuitMessage(0);
      return DefWindowProcW(hwnd, msg, wp, lp);
    case WM_MOVE:
      if (w->movesRaiseEvents) RaiseEvent(id, 0, event::moved);
      break;
    case WM_SIZE:
      if (w->movesRaiseEvents) RaiseEvent(id, 0, event::resized);
      break;
    case WM_SHOWWINDOW:
      RaiseEvent(id, 0, wp ? event::shown : event::hidden);
      break;
    case kTrayIconMessage:
      if (const auto code = trayCode(lp)) RaiseEvent(id, 0, event::trayIcon, {*code});
      return 0;
    case WM_COMMAND:
      if (reflectCommand(msg, wp, lp)) return 0;
      if (lp == 0)
        if (const auto item = w->menus.itemOfCommand(LOWORD(wp))) {
          RaiseEvent(id, *item, event::click);
          return 0;
        }
      break;
    case WM_SETCURSOR:
      if (setUnitCursor(*w, reinterpret_cast<HWND>(wp), lp)) return TRUE;
      break;
    case WM_NCACTIVATE:
      // Keep caption active: told at once to draw the caption as active again.
      if (!wp && w->window().properties().keepCaptionActive) return DefWindowProcW(hwnd, msg, TRUE, lp);
      break;
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, w->window().backgroundBrush());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wp), w->window().background());
      return reinterpret_cast<LRESULT>(w->window().backgroundBrush());
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}
