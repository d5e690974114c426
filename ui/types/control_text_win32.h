#pragma once
// The text of a system control (edit box, button) as GBK.
#include <windows.h>

#include <string>
#include <string_view>

std::string controlText(HWND control);
bool setControlText(HWND control, std::string_view gbk);
