#include "ui/skin/check_box_painter.h"

#include <array>
#include <string_view>

namespace skin {

namespace {

// Inside the mark: the press, the pointer, or rest.
Gradient markFill(Flags f) {
  if (f & pushed) return {0xA5B2B5, 0xCED7D6, 0xCED7D6, 0xDEEFF7};
  if (f & hover) return {0xCEF3FF, 0x63CBFF, 0x63CBFF, 0x31B2FF};
  return {0xD6DFDE, 0xEFF3F7, 0xEFF3F7, 0xFFFFFF};
}

Colour indeterminateCentre(Flags f) {
  if (f & disabled) return 0xBDCBCE;
  if (f & pushed) return 0x188A18;
  if (f & hover) return 0x21A221;
  return 0x73C373;
}

// The light centre of a hovered mark that is not pressed.
bool hoverCentre(Flags f) { return (f & hover) && !(f & (pushed | disabled | indeterminate)); }
Colour hoverCentreColour(Flags f) { return f & ticked ? 0xF7F7F7 : 0xE7E7E7; }

// The text beside the mark.
TextLayout besideMark(const Rect& client, Flags f, std::uint32_t buttonStyle, const SystemColours& system,
                      Colour parentText) {
  TextLayout text;
  const bool markRight = buttonStyle & style::kRightButton;
  text.box = markRight ? Rect{client.left, client.top, client.right - kMarkReserve, client.bottom}
                       : Rect{client.left + kMarkReserve, client.top, client.right, client.bottom};
  text.horizontal = horizontalAlignment(buttonStyle, TextLayout::Horizontal::left);
  text.vertical = verticalAlignment(buttonStyle);
  text.wordWrap = buttonStyle & style::kMultiLine;
  text.colour = f & disabled ? system.greyText : parentText;
  text.focusAroundText = f & focused;
  return text;
}

// A 13 × 13 picture of the radio button: 'o' the ring; inside it, 'c' the hover centre and 'd'
// the dot of a chosen button, both also inside.
constexpr std::array<std::string_view, kMarkSide> kRadio = {
    "....ooooo....",  //
    "..oo.....oo..",  //
    ".o.........o.",  //
    ".o...ccc...o.",  //
    "o...cdddc...o",  //
    "o..cdddddc..o",  //
    "o..cdddddc..o",  //
    "o..cdddddc..o",  //
    "o...cdddc...o",  //
    ".o...ccc...o.",  //
    ".o.........o.",  //
    "..oo.....oo..",  //
    "....ooooo....",  //
};

bool insideRing(int x, int y) {
  const std::string_view row = kRadio[static_cast<std::size_t>(y)];
  const std::size_t first = row.find('o'), last = row.rfind('o');
  return static_cast<std::size_t>(x) > first && static_cast<std::size_t>(x) < last &&
         row[static_cast<std::size_t>(x)] != 'o';
}

}  // namespace

Rect markRect(const Rect& client, std::uint32_t buttonStyle) {
  const int left = buttonStyle & style::kRightButton ? client.right - kMarkSide : client.left;
  int top = client.top + (client.height() - kMarkSide) / 2;
  if (verticalAlignment(buttonStyle) == TextLayout::Vertical::top) top = client.top;
  if (verticalAlignment(buttonStyle) == TextLayout::Vertical::bottom) top = client.bottom - kMarkSide;
  return {left, top, left + kMarkSide, top + kMarkSide};
}

TextLayout paintCheckBox(Canvas& canvas, Flags f, std::uint32_t buttonStyle, const SystemColours& system,
                         Colour parentText) {
  const Rect box = markRect(canvas.bounds(), buttonStyle);
  canvas.frame(box, f & disabled ? disabledBorder(system) : kMarkFrame);
  if (f & disabled)
    canvas.fill(box.deflated(1), kWhite);
  else
    canvas.fill(box.deflated(1), markFill(f));

  const Rect centre = box.deflated(3);
  if (f & indeterminate)
    canvas.fill(centre, indeterminateCentre(f));
  else if (hoverCentre(f))
    canvas.fill(centre, hoverCentreColour(f));

  if ((f & ticked) && !(f & indeterminate)) {
    // Seven strokes of three pixels, falling to the bottom of the third column and rising after.
    constexpr int strokeTop[] = {2, 3, 4, 3, 2, 1, 0};
    const Colour tick = f & disabled ? kDisabledTick : kTick;
    for (int column = 0; column < 7; ++column)
      canvas.fill({centre.left + column, centre.top + strokeTop[column], centre.left + column + 1,
                   centre.top + strokeTop[column] + 3},
                  tick);
  }
  return besideMark(canvas.bounds(), f, buttonStyle, system, parentText);
}

TextLayout paintRadioButton(Canvas& canvas, Flags f, std::uint32_t buttonStyle, const SystemColours& system,
                            Colour parentText) {
  const Rect box = markRect(canvas.bounds(), buttonStyle);
  // The gradient over the whole mark, kept only inside the ring.
  std::array<std::uint32_t, kMarkSide * kMarkSide> fillPixels{};
  Canvas fill(fillPixels, kMarkSide, kMarkSide);
  fill.fill(fill.bounds(), markFill(f));

  const Colour ring = f & disabled ? disabledBorder(system) : kMarkFrame;
  const Colour dot = f & disabled ? kDisabledTick : kTick;
  for (int y = 0; y < kMarkSide; ++y) {
    for (int x = 0; x < kMarkSide; ++x) {
      const char mark = kRadio[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
      Colour colour;
      if (mark == 'o')
        colour = ring;
      else if (!insideRing(x, y))
        continue;
      else if (mark == 'd' && (f & ticked))
        colour = dot;
      else if (mark != '.' && hoverCentre(f))
        colour = hoverCentreColour(f);
      else
        colour = f & disabled ? kWhite : fill.at(x, y);
      canvas.set(box.left + x, box.top + y, colour);
    }
  }
  return besideMark(canvas.bounds(), f, buttonStyle, system, parentText);
}

}  // namespace skin
