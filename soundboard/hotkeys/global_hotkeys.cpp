#include "soundboard/hotkeys/global_hotkeys.h"

#include <iterator>

namespace {
constexpr unsigned kModAlt = 1, kModControl = 2, kModShift = 4;
}

unsigned modifierFlagsFor(unsigned modifierCode) {
  static constexpr unsigned flags[] = {0,       kModControl,           kModShift,          kModControl | kModShift,
                                       kModAlt, kModAlt | kModControl, kModAlt | kModShift};
  return modifierCode < std::size(flags) ? flags[modifierCode] : modifierCode;
}

int GlobalHotkeys::RegisterGlobalHotkey(WindowHandle window, WindowHandle receiver, unsigned modifierCode,
                                        unsigned keyCode) {
  receiver_ = receiver;
  if (!subclassed_) {
    system_.subclass(window);
    subclassed_ = window;
  }
  ++active_;
  const int id = kFirstHotkeyId - 1 + ++attempts_;
  return system_.registerHotKey(window, id, modifierFlagsFor(modifierCode), keyCode) ? id : 0;
}

bool GlobalHotkeys::UnregisterGlobalHotkey(WindowHandle window, int id) {
  const bool ok = system_.unregisterHotKey(window, id);
  if (--active_ <= 0) {
    active_ = 0;
    if (subclassed_) {
      system_.restore(subclassed_);
      subclassed_ = nullptr;
    }
  }
  return ok;
}

int GlobalHotkeys::forwardedIdentifier(std::uintptr_t id) const {
  const int last = kFirstHotkeyId - 1 + attempts_;
  return (id >= static_cast<std::uintptr_t>(kFirstHotkeyId) && id <= static_cast<std::uintptr_t>(last))
             ? static_cast<int>(id)
             : 0;
}
