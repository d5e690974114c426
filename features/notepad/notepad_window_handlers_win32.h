#pragma once
// Handlers of the notepad window "澜星　记事本": its text loaded from 配置.ini when it opens,
// saved a moment after typing pauses and when it goes, and the menu item 置顶.
#include "features/settings.h"
#include "ui/handler_table.h"
#include "ui/window_framework_win32.h"

void registerNotepadWindowHandlers(HandlerTable& table, WindowFramework& windows, const SettingsFile& settings);
