#pragma once
// The program's handler table: every window's handlers, registered by the window's own file.
#include "features/settings.h"
#include "ui/handler_table.h"
#include "ui/window_framework_win32.h"

HandlerTable programHandlers(WindowFramework& windows, const SettingsFile& settings);
