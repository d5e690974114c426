#pragma once
// A window's menus from its menu items: a top-level item becomes a pop-up, its level-1 items the
// pop-up's entries, numbered with command ids from 20000 upward.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "ui/handles_win32.h"
#include "ui/window_table.h"

inline constexpr UINT kFirstMenuCommand = 20000;

struct WindowMenus {
  OwnedMenu bar;                                         // none when no top-level item is shown in a menu bar
  std::vector<OwnedMenu> detached;                       // pop-ups that exist only to be popped up by code
  std::vector<std::pair<std::uint32_t, HMENU>> popups;   // top-level item id -> its pop-up
  std::vector<std::pair<UINT, std::uint32_t>> commands;  // command id -> menu item id

  HMENU popupOf(std::uint32_t itemId) const;
  std::optional<std::uint32_t> itemOfCommand(UINT command) const;
  // The pop-up holding an entry and the entry's command id, or none for a top-level item.
  std::optional<std::pair<HMENU, UINT>> entryOf(std::uint32_t itemId) const;
};

WindowMenus buildMenus(const WindowTemplate& window);
