#include "ui/message_loop_win32.h"

#include <windowsx.h>

#include "ui/format/events.h"
#include "ui/loaded_window_win32.h"

namespace {

std::int32_t keyState() {
  return (GetKeyState(VK_CONTROL) < 0 ? 1 : 0) | (GetKeyState(VK_SHIFT) < 0 ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

// The window's own keys, unless the focused unit claims them.
bool windowKeys(const MSG& msg, LoadedWindow& w) {
  if (msg.message != WM_KEYDOWN) return false;
  const WindowProperties& p = w.window().properties();
  const LRESULT wants = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if (wants & DLGC_WANTALLKEYS) return false;
  const bool nextFocus =
      (msg.wParam == VK_TAB && !(wants & DLGC_WANTTAB)) || (msg.wParam == VK_RETURN && p.enterMovesFocus);
  if (nextFocus) {
    if (HWND next = GetNextDlgTabItem(w.hwnd(), GetFocus(), GetKeyState(VK_SHIFT) < 0)) SetFocus(next);
    return true;
  }
  if (msg.wParam == VK_ESCAPE && p.escCloses) {
    PostMessageW(w.hwnd(), WM_CLOSE, 0, 0);
    return true;
  }
  return false;
}

struct CommonEvent {
  std::int32_t index;
  enum { mouse, key, character, wheel } kind;
};

std::optional<CommonEvent> commonEventOf(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE: return CommonEvent{event::mouseMove, CommonEvent::mouse};
    case WM_LBUTTONDOWN: return CommonEvent{event::leftDown, CommonEvent::mouse};
    case WM_LBUTTONUP: return CommonEvent{event::leftUp, CommonEvent::mouse};
    case WM_LBUTTONDBLCLK: return CommonEvent{event::leftDoubleClick, CommonEvent::mouse};
    case WM_RBUTTONDOWN: return CommonEvent{event::rightDown, CommonEvent::mouse};
    case WM_RBUTTONUP: return CommonEvent{event::rightUp, CommonEvent::mouse};
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return CommonEvent{event::keyDown, CommonEvent::key};
    case WM_KEYUP:
    case WM_SYSKEYUP: return CommonEvent{event::keyUp, CommonEvent::key};
    case WM_CHAR: return CommonEvent{event::character, CommonEvent::character};
    case WM_MOUSEWHEEL: return CommonEvent{event::wheel, CommonEvent::wheel};
    default: return std::nullopt;
  }
}

Unit* loadedUnitOf(HWND hwnd) {
  const LoadedWindow* w = loadedWindowOf(GetAncestor(hwnd, GA_ROOT));
  Unit* unit = w && w->loaded ? unitOfWindow(hwnd) : nullptr;
  return unit && unit->windowId == w->tmpl.id ? unit : nullptr;
}

LRESULT CALLBACK focusHook(int code, WPARAM wp, LPARAM lp) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code == HC_ACTION && (sent->message == WM_SETFOCUS || sent->message == WM_KILLFOCUS))
    if (Unit* unit = loadedUnitOf(sent->hwnd))
      unit->raise(sent->message == WM_SETFOCUS ? event::gotFocus : event::lostFocus);
  return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

OwnedHook watchFocusChanges() {
  return OwnedHook(SetWindowsHookExW(WH_CALLWNDPROC, focusHook, nullptr, GetCurrentThreadId()));
}

bool PreTranslateMessage(MSG& msg) {
  const auto common = commonEventOf(msg.message);
  if (!common || !msg.hwnd) return false;
  LoadedWindow* w = loadedWindowOf(GetAncestor(msg.hwnd, GA_ROOT));
  if (!w || !w->loaded) return false;
  if (windowKeys(msg, *w)) return true;
  Unit* unit = loadedUnitOf(msg.hwnd);
  if (!unit) return false;
  RaiseResult r;
  switch (common->kind) {
    case CommonEvent::mouse:
      r = unit->raise(common->index, {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam), keyState()});
      break;
    case CommonEvent::key: r = unit->raise(common->index, {static_cast<std::int32_t>(msg.wParam), keyState()}); break;
    case CommonEvent::character:
      r = unit->raise(common->index, {static_cast<std::int32_t>(msg.wParam)});
      if (r.returned && *r.returned != 0) msg.wParam = static_cast<WPARAM>(*r.returned);
      break;
    case CommonEvent::wheel:
      r = unit->raise(common->index, {GET_WHEEL_DELTA_WPARAM(msg.wParam) / WHEEL_DELTA, keyState()});
      break;
  }
  return r.returned && *r.returned == 0;
}

void ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void RunMessageLoopWhile(const std::function<bool()>& keepGoing) {
  MSG msg;
  while (keepGoing()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // An inner loop leaves the quit message for the outer one.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}
