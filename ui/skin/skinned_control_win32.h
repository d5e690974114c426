#pragma once
// One skinned control: its record (kind, state flags, the colours its parent supplied) sitting in
// front of the control's own procedure, turning each message into the skin's handling of it.
#include <windows.h>

#include "ui/skin/skin_paint_win32.h"
#include "ui/subclass_win32.h"

class ControlSkin;
class SkinnedControl;

// What a skinned control asks of the skin that owns it (defined beside the skin).
int schemeOf(const ControlSkin& skin);
// The control is destroyed: the skin frees its record.
void forgetSkinned(ControlSkin& skin, const SkinnedControl* control);

class SkinnedControl {
 public:
  // Reads the control's initial state; attaching is the owner's job.
  SkinnedControl(ControlSkin& owner, HWND control, skin::Kind kind);
  SkinnedControl(const SkinnedControl&) = delete;
  SkinnedControl& operator=(const SkinnedControl&) = delete;

  HWND hwnd() const { return control_; }
  skin::Kind kind() const { return kind_; }
  skin::Flags flags() const { return flags_; }

  LRESULT subclassedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  void askParentColours(HDC dc);

  ControlSkin& owner_;
  const HWND control_;
  const skin::Kind kind_;
  skin::Flags flags_;
  ParentColours parent_;
};
