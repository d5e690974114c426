#include "ui/window_helpers_win32.h"

#include "ui/gbk_text_win32.h"
#include "ui/types/unit_types_win32.h"
#include "ui/types/window_unit_win32.h"

void toggleAlwaysOnTop(WindowFramework& windows, std::uint32_t windowId, std::uint32_t checkBox) {
  const bool onTop = std::get<std::int32_t>(windows.GetProperty(windowId, 0, window_property::alwaysOnTop)) != 0;
  windows.SetProperty(windowId, 0, window_property::alwaysOnTop, std::int32_t{!onTop});
  windows.SetProperty(windowId, checkBox, check_box_property::checked, std::int32_t{!onTop});
}

void toggleAlwaysOnTopByMenuItem(WindowFramework& windows, std::uint32_t windowId, std::uint32_t menuItem) {
  const bool onTop = !windows.MenuItemChecked(windowId, menuItem);
  windows.SetMenuItemChecked(windowId, menuItem, onTop);
  windows.SetProperty(windowId, 0, window_property::alwaysOnTop, std::int32_t{onTop});
}
