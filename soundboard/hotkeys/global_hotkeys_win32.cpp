#include "soundboard/hotkeys/global_hotkeys_win32.h"

#include <windows.h>

#include "ui/private_messages.h"
#include "ui/subclass_win32.h"

namespace {

// The forwarder sits in front of the registering window's procedure as a subclass link of its own.
class Win32HotkeySystem final : public HotkeySystem {
 public:
  void forwardFor(const GlobalHotkeys& hotkeys) { hotkeys_ = &hotkeys; }

  bool registerHotKey(WindowHandle window, int id, unsigned modifierFlags, unsigned keyCode) override {
    return RegisterHotKey(static_cast<HWND>(window), id, modifierFlags, keyCode) != FALSE;
  }
  bool unregisterHotKey(WindowHandle window, int id) override {
    return UnregisterHotKey(static_cast<HWND>(window), id) != FALSE;
  }
  void subclass(WindowHandle window) override { (void)attachSubclass(static_cast<HWND>(window), *this); }
  void restore(WindowHandle window) override { detachSubclass<Win32HotkeySystem>(static_cast<HWND>(window)); }

  LRESULT subclassedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY)
      if (const int id = hotkeys_->forwardedIdentifier(wParam))
        SendMessageW(static_cast<HWND>(hotkeys_->receiver()), private_message::kFeedback, static_cast<WPARAM>(id), 0);
    return passToNextProcedure(window, message, wParam, lParam);
  }

 private:
  const GlobalHotkeys* hotkeys_ = nullptr;
};

// The bookkeeping and the system it works on, made together so the forwarder knows its hotkeys.
struct ProgramHotkeys {
  ProgramHotkeys() { system.forwardFor(hotkeys); }
  Win32HotkeySystem system;
  GlobalHotkeys hotkeys{system};
};

}  // namespace

GlobalHotkeys& globalHotkeys() {
  static ProgramHotkeys program;
  return program.hotkeys;
}
