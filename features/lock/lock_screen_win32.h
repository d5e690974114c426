#pragma once
// The lock window as the lock screen: without its frame, and kept over every monitor above every
// other window.
#include <windows.h>

#include "features/lock/screen_cover.h"

// Takes the caption, close box and frame away; the window keeps its place until the next cover.
void removeWindowBorder(HWND window);

// The system's screen metrics now.
lock::ScreenMetrics currentScreenMetrics();

// One tick of 时钟1: the window back on top, at the cover rectangle's place and size, unless it
// stands there already. True when it had to be moved.
bool coverScreen(HWND window);
