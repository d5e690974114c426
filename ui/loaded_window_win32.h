#pragma once
// A window while it is loaded: its units in record order and what the loader made for them. Shared
// by the loader and the top-level window procedure.
#include <windows.h>

#include <memory>
#include <vector>

#include "ui/cursors_win32.h"
#include "ui/menus_win32.h"
#include "ui/types/window_unit_win32.h"
#include "ui/window_table.h"

struct LoadedWindow {
  explicit LoadedWindow(const WindowTemplate& t) : tmpl(t), units(t.units.size()), cursors(t.units.size()) {}

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
};

LoadedWindow* findLoaded(HWND topLevel);
LoadedWindow* findLoaded(std::uint32_t windowId);
// Frees what the window's units and the loader made; the window itself is gone already.
void forgetLoaded(HWND topLevel);

LRESULT CALLBACK topLevelWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
