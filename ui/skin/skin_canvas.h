#pragma once
// The pixels a skin painter draws into: a view over a 32-bit top-down bitmap as the system's
// device-independent bitmaps hold it (0x00RRGGBB), addressed in the system's colour order
// 0x00BBGGRR, so scheme colours are written as the system names them. Every drawing call clips to
// the bitmap.
#include <cassert>
#include <cstdint>
#include <span>

namespace skin {

// 0x00BBGGRR.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

// `colour` minus `amount` as one 24-bit number (a channel below the amount borrows from the next),
// the way the disabled shades are made from the button-face colour.
inline constexpr Colour minus24(Colour colour, Colour amount) { return (colour - amount) & 0xFFFFFF; }

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  Rect deflated(int by) const { return {left + by, top + by, right - by, bottom - by}; }
  Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const Rect&) const = default;
};

// Four corner colours of a gradient filled as two triangles.
struct Gradient {
  Colour topLeft, topRight, bottomLeft, bottomRight;
  bool operator==(const Gradient&) const = default;
};
// Top colour to bottom colour.
inline constexpr Gradient vertical(Colour top, Colour bottom) { return {top, top, bottom, bottom}; }

class Canvas {
 public:
  // `pixels` holds width × height pixels, top row first.
  Canvas(std::span<std::uint32_t> pixels, int width, int height) : pixels_(pixels), width_(width), height_(height) {
    assert(width >= 0 && height >= 0 &&
           pixels.size() >= static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  }

  int width() const { return width_; }
  int height() const { return height_; }
  Rect bounds() const { return {0, 0, width_, height_}; }

  // (x, y) must lie in the bitmap.
  Colour at(int x, int y) const;
  void set(int x, int y, Colour colour);
  void fill(const Rect& r, Colour colour);
  // A one-pixel outline just inside r.
  void frame(const Rect& r, Colour colour);
  // The two triangles meet on the diagonal from top-left to bottom-right; a pixel takes the colour
  // at its top-left corner, so the top-left pixel has exactly the top-left colour.
  void fill(const Rect& r, const Gradient& g);
  // The system's focus rectangle: every other pixel of the outline inverted, starting with the
  // pixels whose x + y is even.
  void focusRectangle(const Rect& r);

 private:
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rect clipped(const Rect& r) const;

  std::span<std::uint32_t> pixels_;
  int width_, height_;
};

}  // namespace skin
