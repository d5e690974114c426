// The skin's canvas: colour order in the bitmap, clipping, the two-triangle gradient worked out by
// hand, and the dotted focus rectangle.
#include <gtest/gtest.h>

#include <vector>

#include "ui/skin/skin_canvas.h"

namespace {

using namespace skin;

struct Bitmap {
  std::vector<std::uint32_t> pixels;
  Canvas canvas;
  Bitmap(int w, int h, Colour fill = 0) : pixels(static_cast<std::size_t>(w * h)), canvas(pixels, w, h) {
    canvas.fill(canvas.bounds(), fill);
  }
};

TEST(SkinCanvas, WritesTheSystemsColourOrderAsBitmapPixels) {
  Bitmap b(2, 1);
  b.canvas.set(1, 0, 0x0000FF);  // red, as the system names colours
  EXPECT_EQ(b.pixels[1], 0xFF0000u) << "a bitmap pixel holds red in its third byte";
  EXPECT_EQ(b.canvas.at(1, 0), 0x0000FFu);
}

TEST(SkinCanvas, ClipsToTheBitmap) {
  Bitmap b(3, 3, 0x111111);
  b.canvas.fill({-5, -5, 2, 1}, 0x222222);
  b.canvas.frame({1, 1, 10, 10}, 0x333333);
  b.canvas.set(-1, 0, 0x444444);
  b.canvas.set(3, 0, 0x444444);
  const Colour expected[3][3] = {
      {0x222222, 0x222222, 0x111111}, {0x111111, 0x333333, 0x333333}, {0x111111, 0x333333, 0x111111}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.canvas.at(x, y), expected[y][x]) << x << "," << y;
}

TEST(SkinCanvas, GradientOfTwoTrianglesWorkedByHand) {
  // Red 200 at the top right, green 200 at the bottom left, blue 200 at the bottom right; the
  // diagonal from the top-left corner to the bottom-right one splits the 4 × 2 rectangle.
  Bitmap b(6, 4, 0xABCDEF);
  b.canvas.fill(Rect{1, 1, 5, 3}, Gradient{0x000000, 0x0000C8, 0x00C800, 0xC80000});
  const Colour expected[2][4] = {{0x000000, 0x000032, 0x000064, 0x000096}, {0x006400, 0x323200, 0x640000, 0x640032}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(b.canvas.at(1 + x, 1 + y), expected[y][x]) << x << "," << y;
  EXPECT_EQ(b.canvas.at(0, 0), 0xABCDEFu);
  EXPECT_EQ(b.canvas.at(5, 3), 0xABCDEFu);
}

TEST(SkinCanvas, VerticalGradientRunsTopToBottom) {
  Bitmap b(1, 4);
  b.canvas.fill(b.canvas.bounds(), vertical(0x000000, 0x808080));
  const Colour rows[] = {0x000000, 0x202020, 0x404040, 0x606060};
  for (int y = 0; y < 4; ++y) EXPECT_EQ(b.canvas.at(0, y), rows[y]) << y;
}

TEST(SkinCanvas, FocusRectangleInvertsEveryOtherOutlinePixel) {
  Bitmap b(5, 4, 0x0F0F0F);
  b.canvas.focusRectangle({0, 0, 5, 4});
  const char* picture[] = {"x.x.x", ".   .", "x   x", ".x.x."};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(b.canvas.at(x, y), picture[y][x] == 'x' ? 0xF0F0F0u : 0x0F0F0Fu) << x << "," << y;
}

TEST(SkinCanvas, DisabledShadesAreOneTwentyFourBitSubtraction) {
  const std::pair<Colour, Colour> cases[] = {{0xF0F0F0, 0xD0D0D0},
                                             {0xD4D0C8, 0xB4B0A8},
                                             {0xF010F0, 0xCFF0D0} /* green borrows from blue */,
                                             {0x10F0F0, 0xF0D0D0} /* below zero wraps in 24 bits */};
  for (auto [face, shade] : cases) EXPECT_EQ(minus24(face, 0x202020), shade) << std::hex << face;
}

}  // namespace
