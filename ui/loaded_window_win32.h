#pragma once
// A window while it is loaded: its units in record order and what the loader made for them. It
// sits in front of its top-level window's procedure (subclass_win32.h), so the window, its units
// and the framework that loaded it are all found from the window handle, with no list to search.
#include <windows.h>

#include <memory>
#include <vector>

#include "ui/cursors_win32.h"
#include "ui/menus_win32.h"
#include "ui/types/window_unit_win32.h"
#include "ui/window_table.h"

class WindowFramework;

struct LoadedWindow {
  LoadedWindow(WindowFramework& f, const WindowTemplate& t)
      : framework(f), tmpl(t), units(t.units.size()), cursors(t.units.size()) {}

  WindowFramework& framework;
  const WindowTemplate& tmpl;
  std::vector<std::unique_ptr<Unit>> units;  // record order; none for menu items
  std::vector<UnitCursor> cursors;           // record order
  WindowMenus menus;
  std::vector<HWND> disabledByModal;
  bool movesRaiseEvents = false;  // set once the loader has raised events 3 and 4 itself
  bool loaded = false;

  WindowUnit& window() const { return static_cast<WindowUnit&>(*units.front()); }
  HWND hwnd() const { return units.front() ? units.front()->hwnd() : nullptr; }
  // Record index of the unit, or -1.
  int indexOf(const Unit* unit) const;
  int indexOf(std::uint32_t unitId) const;

  // The top-level window's own handling: close and destroy, moves and sizes, showing, the tray
  // icon, menu commands, timers, the units' cursors and the background.
  LRESULT subclassedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// The loaded window whose top-level window is `topLevel`, or none.
LoadedWindow* loadedWindowOf(HWND topLevel);
