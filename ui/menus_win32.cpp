#include "ui/menus_win32.h"

#include "ui/gbk_text_win32.h"

HMENU WindowMenus::popupOf(std::uint32_t itemId) const {
  for (const auto& [id, popup] : popups)
    if (id == itemId) return popup;
  return nullptr;
}

std::optional<std::uint32_t> WindowMenus::itemOfCommand(UINT command) const {
  for (const auto& [c, id] : commands)
    if (c == command) return id;
  return std::nullopt;
}

std::optional<std::pair<HMENU, UINT>> WindowMenus::entryOf(std::uint32_t itemId) const {
  for (const auto& [command, id] : commands) {
    if (id != itemId) continue;
    for (const auto& [top, popup] : popups)
      if (GetMenuState(popup, command, MF_BYCOMMAND) != static_cast<UINT>(-1)) return std::pair{popup, command};
  }
  return std::nullopt;
}

WindowMenus buildMenus(const WindowTemplate& window) {
  WindowMenus menus;
  HMENU current = nullptr;
  UINT next = kFirstMenuCommand;
  for (const UnitTemplate& u : window.units) {
    if (!u.menuItem) continue;
    const MenuItemRecord& item = *u.menuItem;
    const std::wstring caption = wideFromGbk(item.caption);
    const UINT greyed = (item.menuFlags & menu_flag::greyed) ? MF_GRAYED : 0;
    if (item.level == 0) {
      current = CreatePopupMenu();
      menus.popups.emplace_back(u.id, current);
      if (item.menuFlags & menu_flag::notInMenuBar) {
        menus.detached.emplace_back(current);
        continue;
      }
      if (!menus.bar) menus.bar.reset(CreateMenu());
      AppendMenuW(menus.bar.get(), MF_POPUP | MF_STRING | greyed, reinterpret_cast<UINT_PTR>(current), caption.c_str());
    } else if (current) {
      AppendMenuW(current, MF_STRING | greyed, next, caption.c_str());
      menus.commands.emplace_back(next++, u.id);
    }
  }
  return menus;
}
