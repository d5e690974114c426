#pragma once
// The skin's three colour schemes and the gradients of the push button's states.
#include <array>

#include "ui/skin/skin_canvas.h"

namespace skin {

struct Scheme {
  Colour frame;         // edit boxes, combo boxes, up-downs, group boxes
  Colour buttonBorder;  // push buttons
  // The push button's gradients, by PushEntry.
  std::array<Gradient, 7> push;
};

enum PushEntry : int {
  pushedRing = 0,
  hoverRing = 1,
  tickedRing = 2,
  focusRing = 3,  // also a default button's
  normalRing = 4,
  pushedFace = 5,
  normalFace = 6,
};

// Scheme 1, 2 or 3; any other value draws with scheme 1's colours.
const Scheme& schemeColours(int scheme);

// The colours the system supplies (button face, window background, grey text).
struct SystemColours {
  Colour buttonFace = 0xF0F0F0;
  Colour window = kWhite;
  Colour greyText = 0x6D6D6D;
};

// The shades of a disabled control, made from the button face.
inline constexpr Colour kDisabledBorderDrop = 0x202020;
inline constexpr Colour kDisabledCornerDrop = 0x151515;
inline constexpr Colour kDisabledCornerSideDrop = 0x111111;
inline constexpr Colour disabledBorder(const SystemColours& system) {
  return minus24(system.buttonFace, kDisabledBorderDrop);
}

}  // namespace skin
