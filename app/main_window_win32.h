#pragma once
// Handlers of the main window: start-up work, the tray icon and menu, the hotkeys, and the
// window-level buttons 置顶1, 隐藏1 and 退出1.
#include <optional>

#include "ui/window_table.h"

namespace main_window_handlers {
std::optional<std::int32_t> created(const EventArgs&);
std::optional<std::int32_t> trayIcon(const EventArgs&);
std::optional<std::int32_t> hotkeyPressed(const EventArgs&);
std::optional<std::int32_t> toggleOnTop(const EventArgs&);
std::optional<std::int32_t> hide(const EventArgs&);
std::optional<std::int32_t> show(const EventArgs&);
std::optional<std::int32_t> quit(const EventArgs&);
}  // namespace main_window_handlers
