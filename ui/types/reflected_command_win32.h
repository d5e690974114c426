#pragma once
// Standard controls tell their parent what happened (WM_COMMAND); the parent here is a window or a
// frame that knows nothing of them, so it hands the notification back to the control itself.
#include <windows.h>

// What a control receives: wParam is the parent's WM_COMMAND wParam.
inline constexpr UINT kReflectedCommand = WM_APP + 0x76;

// True when `msg` was a control's WM_COMMAND and went back to the control.
bool reflectCommand(UINT msg, WPARAM wp, LPARAM lp);
