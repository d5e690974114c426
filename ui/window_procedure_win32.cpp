// The top-level window of every loaded window: close and destroy, moves and sizes, showing, the
// tray icon, menu commands, timers, the units' cursors and the background.
#include "ui/format/events.h"
#include "ui/loaded_window_win32.h"
#include "ui/private_messages.h"
#include "ui/subclass_win32.h"
#include "ui/types/reflected_command_win32.h"
#include "ui/window_framework_win32.h"

namespace {

std::optional<std::int32_t> trayCode(LPARAM mouseMessage) {
  switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP: return tray_code::leftUp;
    case WM_LBUTTONDBLCLK: return tray_code::leftDoubleClick;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: return tray_code::rightUp;
    default: return std::nullopt;
  }
}

bool setUnitCursor(LoadedWindow& w, HWND under, LPARAM lp) {
  if (LOWORD(lp) != HTCLIENT) return false;
  const int i = w.indexOf(unitOfWindow(under));
  if (i < 0 || !w.cursors[i].handle) return false;
  SetCursor(w.cursors[i].handle);
  return true;
}

}  // namespace

LoadedWindow* loadedWindowOf(HWND topLevel) { return subclassTarget<LoadedWindow>(topLevel); }

int LoadedWindow::indexOf(const Unit* unit) const {
  for (std::size_t i = 0; i < units.size(); ++i)
    if (units[i].get() == unit) return static_cast<int>(i);
  return -1;
}

int LoadedWindow::indexOf(std::uint32_t unitId) const {
  if (unitId == 0) return 0;
  for (std::size_t i = 0; i < tmpl.units.size(); ++i)
    if (tmpl.units[i].id == unitId) return static_cast<int>(i);
  return -1;
}

LRESULT LoadedWindow::subclassedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  const std::uint32_t id = tmpl.id;
  switch (msg) {
    case WM_CLOSE: {
      const RaiseResult r = framework.RaiseEvent(id, 0, event::mayClose);
      if (IsWindow(hwnd) && !(r.returned && *r.returned == 0)) ::DestroyWindow(hwnd);
      return 0;
    }
    case WM_DESTROY:
      for (HWND other : disabledByModal) EnableWindow(other, TRUE);
      framework.RaiseEvent(id, 0, event::aboutToBeDestroyed);
      return 0;
    case WM_NCDESTROY: {
      // The window's own unit sees the message before this, the last use of the window, is freed.
      const LRESULT result = passToNextProcedure(hwnd, msg, wp, lp);
      WindowFramework& f = framework;
      f.forget(this);
      if (f.LoadedWindowCount() == 0) PostQuitMessage(0);
      return result;
    }
    case WM_MOVE:
      if (movesRaiseEvents) framework.RaiseEvent(id, 0, event::moved);
      break;
    case WM_SIZE:
      if (movesRaiseEvents) framework.RaiseEvent(id, 0, event::resized);
      break;
    case WM_SHOWWINDOW: framework.RaiseEvent(id, 0, wp ? event::shown : event::hidden); break;
    case private_message::kTrayIcon:
      if (const auto code = trayCode(lp)) framework.RaiseEvent(id, 0, event::trayIcon, {*code});
      return 0;
    case WM_TIMER:
      // A Timer unit's system timer, numbered with its unit id.
      if (wp != 0 && indexOf(static_cast<std::uint32_t>(wp)) > 0) {
        framework.RaiseEvent(id, static_cast<std::uint32_t>(wp), event::tick);
        return 0;
      }
      break;
    case WM_COMMAND:
      if (reflectCommand(msg, wp, lp)) return 0;
      if (lp == 0)
        if (const auto item = menus.itemOfCommand(LOWORD(wp))) {
          framework.RaiseEvent(id, *item, event::click);
          return 0;
        }
      break;
    case WM_SETCURSOR:
      if (setUnitCursor(*this, reinterpret_cast<HWND>(wp), lp)) return TRUE;
      break;
    case WM_NCACTIVATE:
      // Keep caption active: told at once to draw the caption as active again.
      if (!wp && window().properties().keepCaptionActive) return passToNextProcedure(hwnd, msg, TRUE, lp);
      break;
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, window().backgroundBrush());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wp), window().background());
      return reinterpret_cast<LRESULT>(window().backgroundBrush());
    default: break;
  }
  return passToNextProcedure(hwnd, msg, wp, lp);
}
