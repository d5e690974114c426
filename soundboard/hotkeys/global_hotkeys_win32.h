#pragma once
// The program's one set of global hotkeys, on the real system: RegisterHotKey, and a window
// procedure in front of the registering window's that forwards WM_HOTKEY to the receiver.
#include "soundboard/hotkeys/global_hotkeys.h"

GlobalHotkeys& globalHotkeys();
