#pragma once
// The skinned check box and radio button: a 13 × 13 mark beside the text, 18 pixels reserved for
// it, filled with a gradient that follows the pointer and the press. The canvas arrives filled with
// the brush the parent supplied.
#include <cstdint>

#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_kinds.h"
#include "ui/skin/text_layout.h"

namespace skin {

inline constexpr int kMarkSide = 13;
inline constexpr int kMarkReserve = 18;
inline constexpr Colour kMarkFrame = 0x845118;
inline constexpr Colour kTick = 0x21A221;
inline constexpr Colour kDisabledTick = 0xBDCBCE;

// Where the mark sits: left (right with the right-button style); at the top, centred or at the
// bottom as the style says.
Rect markRect(const Rect& client, std::uint32_t buttonStyle);

// `parentText` is the text colour the parent supplied.
TextLayout paintCheckBox(Canvas& canvas, Flags flags, std::uint32_t buttonStyle, const SystemColours& system,
                         Colour parentText);
TextLayout paintRadioButton(Canvas& canvas, Flags flags, std::uint32_t buttonStyle, const SystemColours& system,
                            Colour parentText);

}  // namespace skin
