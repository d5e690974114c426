// The skinned push button in scheme 2, pixel by pixel for each state, on a 12 × 10 button.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ui/skin/push_button_painter.h"

namespace {

using namespace skin;

constexpr int kW = 12, kH = 10;
const SystemColours kSystem{0xF0F0F0, 0xFFFFFF, 0x6D6D6D};

// F button face, B border, r the 2-pixel ring, f the face; the rest is the border's round corners:
// c the corner's diagonal pixel, s the two pixels beside the corner pixel.
const char* const kButtonPicture[kH] = {
    "FFFFFFFFFFFF",  //
    "FFsBBBBBBsFF",  //
    "FscrrrrrrcsF",  //
    "FBrrrrrrrrBF",  //
    "FBrrffffrrBF",  //
    "FBrrffffrrBF",  //
    "FBrrrrrrrrBF",  //
    "FscrrrrrrcsF",  //
    "FFsBBBBBBsFF",  //
    "FFFFFFFFFFFF",  //
};
const Rect kRing{2, 2, 10, 8}, kFace{4, 4, 8, 6};

struct Look {
  const char* name;
  Flags flags;
  std::optional<Gradient> ring;  // none: the disabled fill
  std::optional<Gradient> face;  // none: what the ring step left there
  Colour border, corner, side;
  Colour text;
  Rect textBox;
};

// Scheme 2's table as the skin's documentation gives it.
constexpr Colour kBorder2 = 0x066237;
const Gradient kPushed2 = vertical(0xCEE3EF, 0xCEE3EF), kHover2 = vertical(0xCFF0FF, 0x0097E5),
               kTicked2{0xBDCBD6, 0xC6CFD6, 0xEFF3F7, 0xEFF3F7}, kNormal2 = vertical(0xFFFFFF, 0xD6DFE2),
               kFaceNormal2 = vertical(0xFBFCFC, 0xC9E1EC);

const Look kLooks[] = {
    {"normal", 0, kNormal2, kFaceNormal2, kBorder2, kBorder2, kBorder2, 0x000000, kFace},
    {"hovered", hover, kHover2, kFaceNormal2, kBorder2, kBorder2, kBorder2, 0x000000, kFace},
    {"pushed", pushed | hover, kPushed2, kPushed2, kBorder2, kBorder2, kBorder2, 0x000000, kFace.offset(1, 1)},
    {"focused", focused, kHover2, kFaceNormal2, kBorder2, kBorder2, kBorder2, 0x000000, kFace},
    {"default", defaultButton, kHover2, kFaceNormal2, kBorder2, kBorder2, kBorder2, 0x000000, kFace},
    {"ticked", ticked, kTicked2, kPushed2, kBorder2, kBorder2, kBorder2, 0x000000, kFace},
    {"indeterminate", indeterminate, kTicked2, kPushed2, kBorder2, kBorder2, kBorder2, 0x94A2A5, kFace},
    {"hovered while ticked", hover | ticked, kHover2, kPushed2, kBorder2, kBorder2, kBorder2, 0x000000, kFace},
    {"disabled", disabled, std::nullopt, std::nullopt, 0xD0D0D0, 0xDBDBDB, 0xDFDFDF, 0x94A2A5, kFace},
    {"disabled and ticked", disabled | ticked, std::nullopt, kPushed2, 0xD0D0D0, 0xDBDBDB, 0xDFDFDF, 0x94A2A5, kFace},
};

struct Bitmap {
  std::vector<std::uint32_t> pixels;
  Canvas canvas;
  Bitmap(int w, int h) : pixels(static_cast<std::size_t>(w * h)), canvas(pixels, w, h) {}
};

// A gradient's colour at (x, y) as the canvas fills it over r (its arithmetic is tested on its own).
Colour gradientAt(const Gradient& g, const Rect& r, int x, int y) {
  Bitmap b(kW, kH);
  b.canvas.fill(r, g);
  return b.canvas.at(x, y);
}

Colour expectedPixel(const Look& look, int x, int y) {
  switch (kButtonPicture[y][x]) {
    case 'F': return kSystem.buttonFace;
    case 'B': return look.border;
    case 'c': return look.corner;
    case 's': return look.side;
    case 'f':
      if (look.face) return gradientAt(*look.face, kFace, x, y);
      [[fallthrough]];
    default: return look.ring ? gradientAt(*look.ring, kRing, x, y) : kDisabledButtonFill;
  }
}

bool onFocusRectangle(int x, int y) {
  const bool edgeRow = (y == 3 || y == 6) && x >= 3 && x <= 8;
  const bool edgeColumn = (x == 3 || x == 8) && y >= 3 && y <= 6;
  return (edgeRow || edgeColumn) && (x + y) % 2 == 0;
}

TEST(PushButtonPainter, EveryStateOfSchemeTwoPixelByPixel) {
  for (const Look& look : kLooks) {
    Bitmap b(kW, kH);
    const TextLayout text = paintPushButton(b.canvas, 2, look.flags, 0, kSystem);
    int wrong = 0;
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) {
        Colour expected = expectedPixel(look, x, y);
        if ((look.flags & focused) && onFocusRectangle(x, y)) expected ^= 0xFFFFFF;
        if (b.canvas.at(x, y) != expected && wrong++ < 5)
          ADD_FAILURE() << look.name << " at " << x << "," << y << ": " << std::hex << b.canvas.at(x, y)
                        << " instead of " << expected;
      }
    }
    EXPECT_EQ(wrong, 0) << look.name;
    EXPECT_EQ(text.colour, look.text) << look.name;
    EXPECT_EQ(text.box, look.textBox) << look.name;
  }
}

TEST(PushButtonPainter, SchemesOutsideOneToThreeDrawLikeSchemeOne) {
  Bitmap one(kW, kH);
  paintPushButton(one.canvas, 1, focused, 0, kSystem);
  EXPECT_EQ(one.canvas.at(5, 1), 0x733C00u) << "scheme 1's border";
  EXPECT_EQ(one.canvas.at(4, 2), 0xFFE7CEu) << "scheme 1's focus ring";
  for (int scheme : {0, 4, -1, 1000}) {
    Bitmap other(kW, kH);
    paintPushButton(other.canvas, scheme, focused, 0, kSystem);
    EXPECT_EQ(other.pixels, one.pixels) << scheme;
  }
  Bitmap two(kW, kH), three(kW, kH);
  paintPushButton(two.canvas, 2, focused, 0, kSystem);
  paintPushButton(three.canvas, 3, focused, 0, kSystem);
  EXPECT_EQ(two.canvas.at(5, 1), 0x066237u);
  EXPECT_EQ(three.canvas.at(5, 1), 0x743C00u);
}

TEST(PushButtonPainter, DisabledBorderFollowsTheButtonFace) {
  Bitmap b(kW, kH);
  paintPushButton(b.canvas, 2, disabled, 0, {0xD4D0C8, 0xFFFFFF, 0x808080});
  EXPECT_EQ(b.canvas.at(5, 1), 0xB4B0A8u);
  EXPECT_EQ(b.canvas.at(1, 1), 0xD4D0C8u) << "corner pixel";
  EXPECT_EQ(b.canvas.at(2, 2), 0xBFBBB3u) << "face minus 0x151515";
  EXPECT_EQ(b.canvas.at(2, 1), 0xC3BFB7u) << "face minus 0x111111";
}

TEST(PushButtonPainter, TextAlignmentFromTheStyle) {
  struct Case {
    std::uint32_t style;
    TextLayout::Horizontal h;
    TextLayout::Vertical v;
    bool wrap;
  };
  const Case cases[] = {
      {0x0000, TextLayout::Horizontal::centre, TextLayout::Vertical::centre, false},
      {0x0100, TextLayout::Horizontal::left, TextLayout::Vertical::centre, false},
      {0x0200 | 0x0400, TextLayout::Horizontal::right, TextLayout::Vertical::top, false},
      {0x0300 | 0x0800 | 0x2000, TextLayout::Horizontal::centre, TextLayout::Vertical::bottom, true},
  };
  for (const Case& c : cases) {
    Bitmap b(kW, kH);
    const TextLayout t = paintPushButton(b.canvas, 2, 0, c.style, kSystem);
    EXPECT_EQ(t.horizontal, c.h) << std::hex << c.style;
    EXPECT_EQ(t.vertical, c.v) << std::hex << c.style;
    EXPECT_EQ(t.wordWrap, c.wrap) << std::hex << c.style;
  }
}

}  // namespace
