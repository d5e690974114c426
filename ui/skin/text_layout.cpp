#include "ui/skin/text_layout.h"

#include "ui/skin/skin_kinds.h"

namespace skin {

TextLayout::Horizontal horizontalAlignment(std::uint32_t s, TextLayout::Horizontal horizontalDefault) {
  switch (s & style::kHorizontal) {
    case style::kLeft: return TextLayout::Horizontal::left;
    case style::kRight: return TextLayout::Horizontal::right;
    case style::kCentre: return TextLayout::Horizontal::centre;
    default: return horizontalDefault;
  }
}

TextLayout::Vertical verticalAlignment(std::uint32_t s) {
  switch (s & style::kVertical) {
    case style::kTop: return TextLayout::Vertical::top;
    case style::kBottom: return TextLayout::Vertical::bottom;
    default: return TextLayout::Vertical::centre;
  }
}

}  // namespace skin
