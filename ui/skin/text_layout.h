#pragma once
// Where and how a painter wants a control's text: the Win32 layer draws it with the control's own
// font over the painted pixels, since glyphs need the system.
#include <cstdint>

#include "ui/skin/skin_canvas.h"

namespace skin {

struct TextLayout {
  enum class Horizontal { left, centre, right };
  enum class Vertical { top, centre, bottom };
  Rect box;
  Horizontal horizontal = Horizontal::centre;
  Vertical vertical = Vertical::centre;
  bool wordWrap = false;  // else one line
  Colour colour = kBlack;
  bool focusAroundText = false;  // a focus rectangle around the drawn text
  bool operator==(const TextLayout&) const = default;
};

// The alignment a button style asks for; `horizontalDefault` where the style names none.
TextLayout::Horizontal horizontalAlignment(std::uint32_t style, TextLayout::Horizontal horizontalDefault);
TextLayout::Vertical verticalAlignment(std::uint32_t style);

}  // namespace skin
