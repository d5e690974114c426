#pragma once
// The skinned push button: a button-face outline, the scheme's border with round corners, a
// two-pixel ring whose gradient tells the state, and the face inside it.
#include <cstdint>

#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_kinds.h"
#include "ui/skin/text_layout.h"

namespace skin {

inline constexpr Colour kDisabledButtonFill = 0xEAF4F5;
inline constexpr Colour kDimText = 0x94A2A5;  // disabled or indeterminate push buttons

// Paints the whole canvas as the button's client area and says where its text goes.
TextLayout paintPushButton(Canvas& canvas, int scheme, Flags flags, std::uint32_t buttonStyle,
                           const SystemColours& system);

// The ring's gradient for a state: pushed, else hovered, else ticked or indeterminate, else focused
// or default, else normal.
PushEntry ringEntry(Flags flags);

}  // namespace skin
