#pragma once
// The program's handler routines by handler reference; a handler not written yet is null and does
// nothing.
#include <vector>

#include "ui/window_table.h"

std::vector<HandlerRoutine> programHandlers();
