#pragma once
// The custom effects on the real system: F1..F4 registered for the main window, and playing an
// effect's file (or showing its hint when it has none).
#include <windows.h>

#include <functional>
#include <string>

#include "soundboard/custom_effects/custom_effects.h"

// Registers F1, F2, F3 and F4 without modifiers, in that order; `receiver` gets their notices.
void registerCustomEffectHotkeys(HWND window, HWND receiver);

// Acts on a hotkey notice: F1..F3 play their effect (`pathOf(n)` gives effect n's current path),
// F4 stops all sound.
void onCustomEffectHotkey(int notice, const std::function<std::string(int)>& pathOf);

// Stops all sound and plays `path` once; an empty path shows `hintText` titled `hintTitle` instead,
// and nothing is stopped.
void playCustomEffect(const std::string& path, const std::string& hintText, const char* hintTitle);
