#pragma once
// The audio window's volume knob 音量拖动: dragging it sets the computer's output volume.
#include "ui/handler_table.h"
#include "ui/window_framework_win32.h"

void registerVolumeKnobHandlers(HandlerTable& table, WindowFramework& windows);
