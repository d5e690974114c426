// The skinned check box pixel by pixel for each state (its colours are the same in every scheme),
// on a 40 × 17 control whose parent brush is 0x123456; and the radio button's round mark.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ui/skin/check_box_painter.h"

namespace {

using namespace skin;

constexpr int kW = 40, kH = 17;
constexpr Colour kParentBrush = 0x123456, kParentText = 0x0000FF;
const SystemColours kSystem{0xF0F0F0, 0xFFFFFF, 0x6D6D6D};
// Centred vertically: (17 − 13) / 2 = 2.
const Rect kBox{0, 2, 13, 15}, kInside{1, 3, 12, 14}, kCentre{3, 5, 10, 12};

// The tick in the 7 × 7 centre.
const char* const kTickPicture[7] = {"......x", ".....xx", "x...xxx", "xx.xxx.", "xxxxx..", ".xxx...", "..x...."};

struct Look {
  const char* name;
  Flags flags;
  Colour frame;
  std::optional<Gradient> inside;  // none: white
  std::optional<Colour> centre;    // a solid centre
  std::optional<Colour> tick;
  Colour text;
};

const Gradient kRest{0xD6DFDE, 0xEFF3F7, 0xEFF3F7, 0xFFFFFF}, kHovered{0xCEF3FF, 0x63CBFF, 0x63CBFF, 0x31B2FF},
    kPushed{0xA5B2B5, 0xCED7D6, 0xCED7D6, 0xDEEFF7};

const Look kLooks[] = {
    {"normal", 0, 0x845118, kRest, std::nullopt, std::nullopt, kParentText},
    {"hovered", hover, 0x845118, kHovered, 0xE7E7E7, std::nullopt, kParentText},
    {"pushed", pushed | hover, 0x845118, kPushed, std::nullopt, std::nullopt, kParentText},
    {"ticked", ticked, 0x845118, kRest, std::nullopt, 0x21A221, kParentText},
    {"ticked and hovered", ticked | hover, 0x845118, kHovered, 0xF7F7F7, 0x21A221, kParentText},
    {"ticked and pushed", ticked | pushed | hover, 0x845118, kPushed, std::nullopt, 0x21A221, kParentText},
    {"indeterminate", indeterminate, 0x845118, kRest, 0x73C373, std::nullopt, kParentText},
    {"indeterminate, hovered", indeterminate | hover, 0x845118, kHovered, 0x21A221, std::nullopt, kParentText},
    {"indeterminate, pushed", indeterminate | pushed, 0x845118, kPushed, 0x188A18, std::nullopt, kParentText},
    {"indeterminate, disabled", indeterminate | disabled, 0xD0D0D0, std::nullopt, 0xBDCBCE, std::nullopt, 0x6D6D6D},
    {"disabled", disabled, 0xD0D0D0, std::nullopt, std::nullopt, std::nullopt, 0x6D6D6D},
    {"disabled and ticked", disabled | ticked, 0xD0D0D0, std::nullopt, std::nullopt, 0xBDCBCE, 0x6D6D6D},
    {"focused", focused, 0x845118, kRest, std::nullopt, std::nullopt, kParentText},
};

struct Bitmap {
  std::vector<std::uint32_t> pixels;
  Canvas canvas;
  Bitmap(int w, int h, Colour background) : pixels(static_cast<std::size_t>(w * h)), canvas(pixels, w, h) {
    canvas.fill(canvas.bounds(), background);
  }
};

Colour gradientAt(const Gradient& g, const Rect& r, int x, int y) {
  Bitmap b(kW, kH, 0);
  b.canvas.fill(r, g);
  return b.canvas.at(x, y);
}

bool within(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

Colour expectedPixel(const Look& look, int x, int y) {
  if (!within(kBox, x, y)) return kParentBrush;
  if (!within(kInside, x, y)) return look.frame;
  if (within(kCentre, x, y)) {
    if (look.tick && kTickPicture[y - kCentre.top][x - kCentre.left] == 'x') return *look.tick;
    if (look.centre) return *look.centre;
  }
  return look.inside ? gradientAt(*look.inside, kInside, x, y) : kWhite;
}

TEST(CheckBoxPainter, EveryStatePixelByPixel) {
  for (const Look& look : kLooks) {
    Bitmap b(kW, kH, kParentBrush);
    const TextLayout text = paintCheckBox(b.canvas, look.flags, 0, kSystem, kParentText);
    int wrong = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        if (b.canvas.at(x, y) != expectedPixel(look, x, y) && wrong++ < 5)
          ADD_FAILURE() << look.name << " at " << x << "," << y << ": " << std::hex << b.canvas.at(x, y)
                        << " instead of " << expectedPixel(look, x, y);
    EXPECT_EQ(wrong, 0) << look.name;
    EXPECT_EQ(text.colour, look.text) << look.name;
    EXPECT_EQ(text.box, (Rect{18, 0, kW, kH})) << look.name;
    EXPECT_EQ(text.focusAroundText, (look.flags & focused) != 0) << look.name;
    EXPECT_EQ(text.horizontal, TextLayout::Horizontal::left) << look.name;
  }
}

TEST(CheckBoxPainter, MarkPlacementFromTheStyle) {
  const Rect client{0, 0, kW, kH};
  struct Case {
    const char* name;
    std::uint32_t style;
    Rect mark;
  };
  const Case cases[] = {
      {"left, centred", 0x0003, {0, 2, 13, 15}},
      {"right button", 0x0023, {27, 2, 40, 15}},
      {"top", 0x0403, {0, 0, 13, 13}},
      {"bottom, right", 0x0823, {27, 4, 40, 17}},
      {"vertically centred", 0x0C03, {0, 2, 13, 15}},
  };
  for (const Case& c : cases) EXPECT_EQ(markRect(client, c.style), c.mark) << c.name;

  Bitmap b(kW, kH, kParentBrush);
  const TextLayout text = paintCheckBox(b.canvas, 0, 0x0023, kSystem, kParentText);
  EXPECT_EQ(text.box, (Rect{0, 0, kW - 18, kH})) << "text left of a right-hand box";
  EXPECT_EQ(b.canvas.at(27, 2), 0x845118u);
  EXPECT_EQ(b.canvas.at(0, 2), kParentBrush);
}

TEST(RadioButtonPainter, RoundMarkWithItsDotAndCorners) {
  Bitmap b(kW, kH, kParentBrush);
  paintRadioButton(b.canvas, ticked, 0, kSystem, kParentText);
  // Mark at (0, 2): its corners keep the parent's brush, the ring is the frame colour, the dot is
  // in the middle and the rest of the inside takes the resting gradient.
  EXPECT_EQ(b.canvas.at(0, 2), kParentBrush);
  EXPECT_EQ(b.canvas.at(12, 14), kParentBrush);
  EXPECT_EQ(b.canvas.at(6, 2), 0x845118u);
  EXPECT_EQ(b.canvas.at(0, 8), 0x845118u);
  EXPECT_EQ(b.canvas.at(6, 8), 0x21A221u);
  EXPECT_EQ(b.canvas.at(4, 6), gradientAt(kRest, kBox, 4, 6)) << "just outside the dot";
  EXPECT_EQ(b.canvas.at(2, 4), gradientAt(kRest, kBox, 2, 4));

  Bitmap off(kW, kH, kParentBrush);
  paintRadioButton(off.canvas, disabled | ticked, 0, kSystem, kParentText);
  EXPECT_EQ(off.canvas.at(6, 2), 0xD0D0D0u);
  EXPECT_EQ(off.canvas.at(6, 8), 0xBDCBCEu);
  EXPECT_EQ(off.canvas.at(2, 4), kWhite);
}

}  // namespace
