#pragma once
// Handlers of the main window "澜星助手工具箱v1.6": start-up work, the tray icon and its menu, the
// hotkeys, the openers of the other windows, the window-level buttons 置顶1, 隐藏1 and 退出1, the
// about links and the start-page button 网址导航1.
#include "features/settings.h"
#include "ui/handler_table.h"
#include "ui/window_framework_win32.h"

void registerMainWindowHandlers(HandlerTable& table, WindowFramework& windows, const SettingsFile& settings);
