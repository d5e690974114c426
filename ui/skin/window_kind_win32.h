#pragma once
// Which kind of skinned control a window is, from its class, style, text and parent.
#include <windows.h>

#include "ui/skin/skin_kinds.h"

skin::Kind skinKindOf(HWND window);
