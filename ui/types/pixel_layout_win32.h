#pragma once
// The windows are laid out in pixels as they look at 100% (96 DPI), and the program tells the system
// it is DPI-aware, so at any scale the system draws them unscaled and sharp. What still grows with
// the scale is only what the system draws or sizes itself: the caption and frame, and its stock GUI
// font; these keep the windows whole.
#include <windows.h>

// The outer size, at the system's DPI, of a window whose outer size at 96 DPI is width x height:
// the same client area inside a frame of today's size.
SIZE outerSizeKeepingClientArea(DWORD style, DWORD exStyle, bool menuBar, int width, int height);

// The default GUI font at the pixel height it has at 96 DPI.
HFONT defaultGuiFont();
