#pragma once
// Small jobs several windows' handlers share.
#include <cstdint>
#include <string_view>

#include "ui/window_framework_win32.h"

// Flips the window's always-on-top and shows the new state in its check box `checkBox`.
void toggleAlwaysOnTop(WindowFramework& windows, std::uint32_t windowId, std::uint32_t checkBox);

// The same from a menu entry: its check mark flips and the window's always-on-top follows the mark.
void toggleAlwaysOnTopByMenuItem(WindowFramework& windows, std::uint32_t windowId, std::uint32_t menuItem);
