#pragma once
// Standard controls tell their parent what happened (WM_COMMAND); the parent here is a window or a
// frame that knows nothing of them, so it hands the notification back to the control itself as
// private_message::kReflectedCommand.
#include <windows.h>

// True when `msg` was a control's WM_COMMAND and went back to the control.
bool reflectCommand(UINT msg, WPARAM wp, LPARAM lp);
