#pragma once
// Handlers of the lock window "澜星挂机工具": set a password and lock, keep the lock screen over
// everything, unlock with the password in 配置.ini, cancel; close requests are refused.
#include "features/settings.h"
#include "ui/handler_table.h"
#include "ui/window_framework_win32.h"

void registerLockWindowHandlers(HandlerTable& table, WindowFramework& windows, const SettingsFile& settings);
