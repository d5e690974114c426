#pragma once
// A unit built on one of the system's control classes (BUTTON, COMBOBOX): created with the unit's
// rectangle and flags; the notifications its parent hands back reach it through Unit::attach.
#include <string_view>

#include "ui/types/stored_font_win32.h"
#include "ui/unit_win32.h"

class StandardControlUnit : public Unit {
 public:
  using Unit::Unit;

 protected:
  bool createControl(const UnitContext& c, const wchar_t* className, DWORD style, std::string_view text,
                     std::string_view font, int height);
  // A notification code of the control (BN_CLICKED, CBN_SELENDOK, ...).
  virtual void notified(WORD code) = 0;
  // Messages of the control before the class sees them; true when handled here.
  virtual bool intercept(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

  OwnedFont font_;

 private:
  LRESULT subclassedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) final;
};
