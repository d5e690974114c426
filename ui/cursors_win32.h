#pragma once
// A unit's cursor from its cursor field.
#include <windows.h>

#include <string_view>

#include "ui/handles_win32.h"

struct UnitCursor {
  HCURSOR handle = nullptr;  // what is shown over the unit; none keeps the class cursor
  OwnedCursor owned;         // set when the cursor was made from a file image
};

UnitCursor cursorFromField(std::string_view field);
