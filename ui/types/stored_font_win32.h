#pragma once
// A font property (a stored LOGFONT) made into a font; none for an empty or unreadable one, which
// means the default GUI font.
#include <windows.h>

#include <string_view>

#include "ui/handles_win32.h"
#include "ui/types/pixel_layout_win32.h"

OwnedFont fontFromProperty(std::string_view logfont);

// The font to draw with: `font`, or the default GUI font.
inline HFONT fontOrDefault(const OwnedFont& font) { return font ? font.get() : defaultGuiFont(); }
