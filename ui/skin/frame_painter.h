#pragma once
// The skinned frames: edit boxes and combo boxes get the scheme's frame around their window, combo
// boxes and up-downs arrow buttons in the same colours, group boxes a rounded outline broken by
// their caption.
#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_kinds.h"
#include "ui/skin/text_layout.h"

namespace skin {

enum class Arrow { up, down, left, right };

// The canvas covers the control's whole window rectangle; only its two outer rings are painted.
void paintEditFrame(Canvas& canvas, int scheme, Flags flags, const SystemColours& system);

// The edit frame, and the drop button inside it at the right, `buttonWidth` wide (the system's
// scroll-thumb width). Returns the drop button's rectangle.
Rect paintComboBoxFrame(Canvas& canvas, int scheme, Flags flags, const SystemColours& system, int buttonWidth);

// Both arrow buttons of an up-down control over its client area, side by side with the
// horizontal style, else one above the other.
void paintUpDown(Canvas& canvas, int scheme, Flags flags, std::uint32_t upDownStyle, const SystemColours& system);

// A group box whose caption, measured by the caller, is `textWidth` × `textHeight` pixels (0 × 0
// without one). The canvas arrives filled with the parent's brush.
TextLayout paintGroupBox(Canvas& canvas, int scheme, Flags flags, const SystemColours& system, int textWidth,
                         int textHeight, Colour parentText);

// The caption's distance from the group box's left edge, and the gap left in the outline each side.
inline constexpr int kGroupCaptionLeft = 8;
inline constexpr int kGroupCaptionGap = 2;

}  // namespace skin
