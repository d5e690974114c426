#pragma once
// The main window's icon in the notification area; its mouse actions come back to the window as
// private_message::kTrayIcon.
#include <windows.h>

#include <string_view>

[[nodiscard]] bool addTrayIcon(HWND window, HICON icon, std::string_view tip);
void removeTrayIcon();
