#pragma once
// The program-wide hidden message window: never shown, it owns windows that are to stay out of
// the task bar.
#include <windows.h>

[[nodiscard]] bool createHiddenMessageWindow();
HWND hiddenMessageWindow();
