#pragma once
// The program-wide hidden window: never shown, it owns windows that are to stay out of the task bar.
#include "ui/handles_win32.h"

OwnedWindow createHiddenOwnerWindow();
