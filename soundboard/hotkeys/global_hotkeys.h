#pragma once
// System-wide hotkeys: each registration takes the next identifier from 33001 on, whether or not the
// system accepted it, and a WM_HOTKEY reaching the registering window is forwarded to one receiver.
// Portable bookkeeping; the system comes in through HotkeySystem.
#include <cstdint>

using WindowHandle = void*;

class HotkeySystem {
 public:
  virtual ~HotkeySystem() = default;
  virtual bool registerHotKey(WindowHandle window, int id, unsigned modifierFlags, unsigned keyCode) = 0;
  virtual bool unregisterHotKey(WindowHandle window, int id) = 0;
  // Puts the hotkey forwarder in front of the window's procedure; restore() takes only the
  // forwarder out again, whoever else has joined the window since.
  virtual void subclass(WindowHandle window) = 0;
  virtual void restore(WindowHandle window) = 0;
};

// A receiver gets each hotkey as private_message::kFeedback, wParam = identifier, lParam = 0.
inline constexpr int kFirstHotkeyId = 33001;

// Modifier codes 0..6 (none, Ctrl, Shift, Ctrl+Shift, Alt, Alt+Ctrl, Alt+Shift) as the system's
// MOD_ flags; any other code passes unchanged.
unsigned modifierFlagsFor(unsigned modifierCode);

class GlobalHotkeys {
 public:
  explicit GlobalHotkeys(HotkeySystem& system) : system_(system) {}

  // The identifier, or 0 when the system refused the key.
  int RegisterGlobalHotkey(WindowHandle window, WindowHandle receiver, unsigned modifierCode, unsigned keyCode);
  bool UnregisterGlobalHotkey(WindowHandle window, int id);

  // For a WM_HOTKEY whose wParam is `id`: the identifier to forward to receiver(), or 0 for none.
  int forwardedIdentifier(std::uintptr_t id) const;
  WindowHandle receiver() const { return receiver_; }

 private:
  HotkeySystem& system_;
  int attempts_ = 0;
  int active_ = 0;
  WindowHandle receiver_ = nullptr;
  WindowHandle subclassed_ = nullptr;
};
