#pragma once
// Handlers of the audio window "澜星音频助手": the page buttons, page selectors, always-on-top and
// exit buttons, and the three custom effects.
#include "features/settings.h"
#include "ui/handler_table.h"
#include "ui/window_framework_win32.h"

void registerAudioWindowHandlers(HandlerTable& table, WindowFramework& windows, const SettingsFile& settings);
