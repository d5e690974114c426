#pragma once
// The program's message boxes: one OK button, no owner window, task-modal, GBK texts.
#include <windows.h>

#include <string_view>

// `icon` is one of the MB_ICON* flags, or 0 for none.
void showMessageBox(std::string_view text, std::string_view title, UINT icon = 0);
