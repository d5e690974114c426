#include "soundboard/hotkeys/global_hotkeys_win32.h"

#include <windows.h>

namespace {

WNDPROC savedProcedure = nullptr;

LRESULT CALLBACK hotkeyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) {
    if (const int id = globalHotkeys().forwardedIdentifier(wParam))
      SendMessageW(static_cast<HWND>(globalHotkeys().receiver()), kHotkeyNotice, static_cast<WPARAM>(id), 0);
  }
  return CallWindowProcW(savedProcedure, window, message, wParam, lParam);
}

class Win32HotkeySystem final : public HotkeySystem {
 public:
  bool registerHotKey(WindowHandle window, int id, unsigned modifierFlags, unsigned keyCode) override {
    return RegisterHotKey(static_cast<HWND>(window), id, modifierFlags, keyCode) != FALSE;
  }
  bool unregisterHotKey(WindowHandle window, int id) override {
    return UnregisterHotKey(static_cast<HWND>(window), id) != FALSE;
  }
  void subclass(WindowHandle window) override {
    savedProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        static_cast<HWND>(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&hotkeyProcedure)));
  }
  void restore(WindowHandle window) override {
    SetWindowLongPtrW(static_cast<HWND>(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedProcedure));
    savedProcedure = nullptr;
  }
};

}  // namespace

GlobalHotkeys& globalHotkeys() {
  static Win32HotkeySystem system;
  static GlobalHotkeys hotkeys(system);
  return hotkeys;
}
