#pragma once
// Handlers of the recorder window "澜星录音软件": the format lists, the five recording buttons, the
// elapsed-time caption, the live chart, saving, and closing with an unsaved recording.
#include "ui/handler_table.h"
#include "ui/window_framework_win32.h"

void registerRecorderWindowHandlers(HandlerTable& table, WindowFramework& windows);
