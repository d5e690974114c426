#pragma once
// The main window's icon in the notification area; its mouse actions come back to the window as
// private_message::kTrayIcon.
#include <windows.h>

#include <string_view>

// The window's small icon is added once the thread has nothing more urgent to do, the window shown
// and painted: the shell is slow to answer, and the window need not wait for it.
void addTrayIconWhenIdle(HWND window, std::string_view tip);
// Removes the icon, or cancels the one still waiting to be added.
void removeTrayIcon();
