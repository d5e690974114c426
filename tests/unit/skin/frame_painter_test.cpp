// The skinned frames of edit boxes, combo boxes, up-downs and group boxes.
#include <gtest/gtest.h>

#include <vector>

#include "ui/skin/frame_painter.h"

namespace {

using namespace skin;

const SystemColours kSystem{0xF0F0F0, 0xFAFAFA, 0x6D6D6D};
constexpr Colour kInside = 0x123456;

struct Bitmap {
  std::vector<std::uint32_t> pixels;
  Canvas canvas;
  Bitmap(int w, int h) : pixels(static_cast<std::size_t>(w * h)), canvas(pixels, w, h) {
    canvas.fill(canvas.bounds(), kInside);
  }
};

TEST(EditFrame, TwoRingsAndNothingInside) {
  struct Case {
    const char* name;
    int scheme;
    Flags flags;
    Colour outer, inner;
  };
  const Case cases[] = {
      {"scheme 2", 2, 0, 0x7FB9A4, 0xFAFAFA},        {"scheme 1", 1, hover, 0xBD9E7B, 0xFAFAFA},
      {"scheme 3", 3, 0, 0xD7C5C6, 0xFAFAFA},        {"read-only", 2, readOnly, 0x7FB9A4, 0xF0F0F0},
      {"disabled", 2, disabled, 0xD0D0D0, 0xF0F0F0},
  };
  for (const Case& c : cases) {
    Bitmap b(8, 6);
    paintEditFrame(b.canvas, c.scheme, c.flags, kSystem);
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 8; ++x) {
        const int ring = std::min({x, y, 7 - x, 5 - y});
        const Colour expected = ring == 0 ? c.outer : ring == 1 ? c.inner : kInside;
        EXPECT_EQ(b.canvas.at(x, y), expected) << c.name << " at " << x << "," << y;
      }
    }
  }
}

// Which pixels of r hold `colour`, as rows of 'x' and '.'.
std::vector<std::string> picture(const Canvas& canvas, const Rect& r, Colour colour) {
  std::vector<std::string> rows;
  for (int y = r.top; y < r.bottom; ++y) {
    std::string row;
    for (int x = r.left; x < r.right; ++x) row += canvas.at(x, y) == colour ? 'x' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(ComboBoxFrame, DropButtonAtTheRightWithADownArrow) {
  Bitmap b(40, 14);
  const Rect button = paintComboBoxFrame(b.canvas, 2, 0, kSystem, 13);
  EXPECT_EQ(button, (Rect{25, 2, 38, 12}));
  EXPECT_EQ(b.canvas.at(0, 0), 0x7FB9A4u);
  EXPECT_EQ(b.canvas.at(10, 5), kInside) << "the edit field is the control's own";
  EXPECT_EQ(b.canvas.at(25, 5), 0x7FB9A4u) << "the button's outline";
  // Inside the outline (26..36, 3..10): a 4-row arrow in the button border colour, centred.
  const std::vector<std::string> expected = {
      "...........", "...........", "..xxxxxxx..", "...xxxxx...",
      "....xxx....", ".....x.....", "...........", "...........",
  };
  EXPECT_EQ(picture(b.canvas, {26, 3, 37, 11}, 0x066237), expected);

  Bitmap hovered(40, 14);
  paintComboBoxFrame(hovered.canvas, 2, hover, kSystem, 13);
  EXPECT_EQ(hovered.canvas.at(25, 5), 0x066237u) << "the outline lights up under the pointer";
}

TEST(UpDown, TwoArrowButtonsOneAboveTheOther) {
  Bitmap b(11, 20);
  paintUpDown(b.canvas, 2, 0, 0, kSystem);
  // Nine pixels across leave room for three rows.
  const std::vector<std::string> up = {".........", ".........", "....x....", "...xxx...",
                                       "..xxxxx..", ".........", ".........", "........."};
  const std::vector<std::string> down = {".........", ".........", "..xxxxx..", "...xxx...",
                                         "....x....", ".........", ".........", "........."};
  EXPECT_EQ(picture(b.canvas, {1, 1, 10, 9}, 0x066237), up);
  EXPECT_EQ(picture(b.canvas, {1, 11, 10, 19}, 0x066237), down);
  EXPECT_EQ(b.canvas.at(0, 9), 0x7FB9A4u);
  EXPECT_EQ(b.canvas.at(0, 10), 0x7FB9A4u);

  Bitmap side(20, 11);
  paintUpDown(side.canvas, 2, disabled, 0x40, kSystem);
  EXPECT_EQ(picture(side.canvas, {1, 1, 9, 10}, 0xD0D0D0)[4], "..xxx...") << "left arrow's middle row, greyed";
}

TEST(GroupBox, RoundedOutlineBrokenByTheCaption) {
  Bitmap b(30, 12);
  const TextLayout text = paintGroupBox(b.canvas, 2, 0, kSystem, 10, 8, 0x0000FF);
  EXPECT_EQ(text.box, (Rect{8, 0, 18, 8}));
  EXPECT_EQ(text.colour, 0x0000FFu);
  const std::vector<std::string> top = {
      ".xxxxx..............xxxxxxxxx",  // y = 4: the gap 6..19 around the caption
  };
  EXPECT_EQ(picture(b.canvas, {0, 4, 29, 5}, 0x7FB9A4), top);
  EXPECT_EQ(b.canvas.at(0, 4), kInside) << "round corner";
  EXPECT_EQ(b.canvas.at(1, 5), 0x7FB9A4u);
  EXPECT_EQ(b.canvas.at(0, 6), 0x7FB9A4u);
  EXPECT_EQ(b.canvas.at(29, 11), kInside);
  EXPECT_EQ(b.canvas.at(28, 10), 0x7FB9A4u);
  EXPECT_EQ(b.canvas.at(15, 8), kInside);

  Bitmap off(30, 12);
  EXPECT_EQ(paintGroupBox(off.canvas, 2, disabled, kSystem, 0, 0, 0).colour, 0x6D6D6Du);
  EXPECT_EQ(off.canvas.at(10, 0), 0xD0D0D0u) << "no caption: the outline is whole";
}

}  // namespace
