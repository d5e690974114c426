#include "ui/skin/push_button_painter.h"

namespace skin {

PushEntry ringEntry(Flags f) {
  if (f & pushed) return pushedRing;
  if (f & hover) return hoverRing;
  if (f & (ticked | indeterminate)) return tickedRing;
  if (f & (focused | defaultButton)) return focusRing;
  return normalRing;
}

namespace {

// The border's corner pixels give way to the button face, and the pixels around each corner are
// shaded so the corner looks round.
void roundCorners(Canvas& canvas, const Rect& border, Colour inner, Colour sides, Colour face) {
  const int xs[] = {border.left, border.right - 1}, ys[] = {border.top, border.bottom - 1};
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      const int x = xs[i], y = ys[j], in = i == 0 ? 1 : -1, down = j == 0 ? 1 : -1;
      canvas.set(x, y, face);
      canvas.set(x + in, y + down, inner);
      canvas.set(x + in, y, sides);
      canvas.set(x, y + down, sides);
    }
  }
}

}  // namespace

TextLayout paintPushButton(Canvas& canvas, int scheme, Flags f, std::uint32_t buttonStyle,
                           const SystemColours& system) {
  const Scheme& colours = schemeColours(scheme);
  const bool off = f & disabled;
  Rect r = canvas.bounds();
  canvas.frame(r, system.buttonFace);

  const Rect border = r = r.deflated(1);
  const Colour borderColour = off ? disabledBorder(system) : colours.buttonBorder;
  canvas.frame(r, borderColour);

  r = r.deflated(1);
  if (off)
    canvas.fill(r, kDisabledButtonFill);
  else
    canvas.fill(r, colours.push[ringEntry(f)]);

  const Rect face = r = r.deflated(2);
  if (f & (pushed | ticked | indeterminate))
    canvas.fill(face, colours.push[pushedFace]);
  else if (!off)
    canvas.fill(face, colours.push[normalFace]);

  roundCorners(canvas, border, off ? minus24(system.buttonFace, kDisabledCornerDrop) : borderColour,
               off ? minus24(system.buttonFace, kDisabledCornerSideDrop) : borderColour, system.buttonFace);

  if (f & focused) canvas.focusRectangle(face.deflated(-1));

  TextLayout text;
  text.box = f & pushed ? face.offset(1, 1) : face;
  text.horizontal = horizontalAlignment(buttonStyle, TextLayout::Horizontal::centre);
  text.vertical = verticalAlignment(buttonStyle);
  text.wordWrap = buttonStyle & style::kMultiLine;
  text.colour = f & (disabled | indeterminate) ? kDimText : kBlack;
  return text;
}

}  // namespace skin
