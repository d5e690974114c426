#pragma once
// Handlers of the audio window "澜星音频助手": the page buttons, page selectors, always-on-top and
// exit buttons, the three custom effects, the volume knob and the sound-card strip.
#include "features/settings.h"
#include "ui/handler_table.h"
#include "ui/window_framework_win32.h"

void registerAudioWindowHandlers(HandlerTable& table, WindowFramework& windows, const SettingsFile& settings);
