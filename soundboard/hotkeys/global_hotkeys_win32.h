#pragma once
// The program's one set of global hotkeys, on the real system: RegisterHotKey, and a subclass link
// in front of the registering window's procedure that forwards WM_HOTKEY to the receiver.
#include "soundboard/hotkeys/global_hotkeys.h"

GlobalHotkeys& globalHotkeys();
