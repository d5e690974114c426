#pragma once
// The control skin on the system: the standard controls of every window of the user-interface
// thread, open now or created later, drawn by the skin's painters in one colour scheme.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "ui/handles_win32.h"

class SkinnedControl;

// 1..3: switch the skin off, then on with that scheme; any other value: switch it off. False when
// the skin could not follow newly created windows (it stays off then).
bool SetSkinScheme(int scheme);

class ControlSkin {
 public:
  ControlSkin();
  ~ControlSkin();
  ControlSkin(const ControlSkin&) = delete;
  ControlSkin& operator=(const ControlSkin&) = delete;

  bool switchOn(int scheme);
  void switchOff();
  int scheme() const { return scheme_; }

  // Skins `window` when it is of a skinned kind and not skinned yet.
  void skin(HWND window);
  // Called by a control's record once the control is destroyed; the record is freed.
  void forget(const SkinnedControl* control);

  bool isSkinned(HWND window) const;
  std::size_t skinnedCount() const { return controls_.size(); }

 private:
  int scheme_ = 0;
  std::vector<std::unique_ptr<SkinnedControl>> controls_;
  OwnedHook hook_;
};

// The user-interface thread's skin, the one SetSkinScheme switches.
ControlSkin& theControlSkin();
