#include "ui/skin/frame_painter.h"

#include <algorithm>

namespace skin {

namespace {

Colour frameColour(int scheme, Flags f, const SystemColours& system) {
  return f & disabled ? disabledBorder(system) : schemeColours(scheme).frame;
}

// A solid triangle pointing `way`, centred in r: rows of 1, 3, 5 and 7 pixels, fewer where r is small.
void paintArrow(Canvas& canvas, const Rect& r, Arrow way, Colour colour) {
  const bool upright = way == Arrow::up || way == Arrow::down;
  const int across = upright ? r.width() : r.height(), along = upright ? r.height() : r.width();
  const int rows = std::clamp(std::min((across - 2) / 2, along - 2), 1, 4);
  const int centreAcross = (upright ? r.left : r.top) + (across - 1) / 2;
  const int startAlong = (upright ? r.top : r.left) + (along - rows) / 2;
  for (int i = 0; i < rows; ++i) {
    // Row i counted from the tip.
    const bool tipFirst = way == Arrow::up || way == Arrow::left;
    const int at = tipFirst ? startAlong + i : startAlong + rows - 1 - i;
    for (int k = -i; k <= i; ++k) {
      if (upright)
        canvas.set(centreAcross + k, at, colour);
      else
        canvas.set(at, centreAcross + k, colour);
    }
  }
}

// A small button in the push button's look: an outline (the button border while hovered), the
// face gradient (pressed: the pushed face) and an arrow.
void paintArrowButton(Canvas& canvas, const Rect& r, Arrow way, int scheme, Flags f, const SystemColours& system) {
  const Scheme& colours = schemeColours(scheme);
  const bool lit = (f & hover) && !(f & disabled);
  canvas.frame(r, lit ? colours.buttonBorder : frameColour(scheme, f, system));
  canvas.fill(r.deflated(1), colours.push[f & pushed ? pushedFace : normalFace]);
  paintArrow(canvas, r.deflated(1), way, f & disabled ? disabledBorder(system) : colours.buttonBorder);
}

}  // namespace

void paintEditFrame(Canvas& canvas, int scheme, Flags f, const SystemColours& system) {
  const Rect r = canvas.bounds();
  canvas.frame(r, frameColour(scheme, f, system));
  canvas.frame(r.deflated(1), f & (disabled | readOnly) ? system.buttonFace : system.window);
}

Rect paintComboBoxFrame(Canvas& canvas, int scheme, Flags f, const SystemColours& system, int buttonWidth) {
  paintEditFrame(canvas, scheme, f, system);
  const Rect inside = canvas.bounds().deflated(2);
  const Rect button{std::max(inside.left, inside.right - buttonWidth), inside.top, inside.right, inside.bottom};
  paintArrowButton(canvas, button, Arrow::down, scheme, f, system);
  return button;
}

void paintUpDown(Canvas& canvas, int scheme, Flags f, std::uint32_t upDownStyle, const SystemColours& system) {
  const Rect r = canvas.bounds();
  if (upDownStyle & style::kHorizontalUpDown) {
    const int middle = r.left + r.width() / 2;
    paintArrowButton(canvas, {r.left, r.top, middle, r.bottom}, Arrow::left, scheme, f, system);
    paintArrowButton(canvas, {middle, r.top, r.right, r.bottom}, Arrow::right, scheme, f, system);
  } else {
    const int middle = r.top + r.height() / 2;
    paintArrowButton(canvas, {r.left, r.top, r.right, middle}, Arrow::up, scheme, f, system);
    paintArrowButton(canvas, {r.left, middle, r.right, r.bottom}, Arrow::down, scheme, f, system);
  }
}

TextLayout paintGroupBox(Canvas& canvas, int scheme, Flags f, const SystemColours& system, int textWidth,
                         int textHeight, Colour parentText) {
  const Colour colour = frameColour(scheme, f, system);
  const Rect r{0, textHeight / 2, canvas.width(), canvas.height()};
  if (r.width() >= 2 && r.height() >= 2) {
    // The top edge leaves room for the caption, whose background stays the parent's.
    const int gapLeft = textWidth > 0 ? kGroupCaptionLeft - kGroupCaptionGap : r.left + 1;
    const int gapRight = textWidth > 0 ? kGroupCaptionLeft + textWidth + kGroupCaptionGap : r.left + 1;
    canvas.fill({r.left + 1, r.top, gapLeft, r.top + 1}, colour);
    canvas.fill({gapRight, r.top, r.right - 1, r.top + 1}, colour);
    // The rest of the outline without its corner pixels, and one pixel inside each corner: a
    // rounded corner.
    canvas.fill({r.left + 1, r.bottom - 1, r.right - 1, r.bottom}, colour);
    canvas.fill({r.left, r.top + 1, r.left + 1, r.bottom - 1}, colour);
    canvas.fill({r.right - 1, r.top + 1, r.right, r.bottom - 1}, colour);
    canvas.set(r.left + 1, r.top + 1, colour);
    canvas.set(r.right - 2, r.top + 1, colour);
    canvas.set(r.left + 1, r.bottom - 2, colour);
    canvas.set(r.right - 2, r.bottom - 2, colour);
  }
  TextLayout text;
  text.box = {kGroupCaptionLeft, 0, kGroupCaptionLeft + textWidth, textHeight};
  text.horizontal = TextLayout::Horizontal::left;
  text.vertical = TextLayout::Vertical::top;
  text.colour = f & disabled ? system.greyText : parentText;
  return text;
}

}  // namespace skin
