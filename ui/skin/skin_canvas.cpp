#include "ui/skin/skin_canvas.h"

#include <algorithm>

namespace skin {

namespace {

// 0x00BBGGRR and 0x00RRGGBB differ by the order of red and blue, both ways.
std::uint32_t swapRedBlue(std::uint32_t c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

int channel(Colour c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

}  // namespace

Colour Canvas::at(int x, int y) const {
  assert(inside(x, y));
  return swapRedBlue(
      pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]);
}

void Canvas::set(int x, int y, Colour colour) {
  if (inside(x, y))
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
        swapRedBlue(colour & 0xFFFFFF);
}

Rect Canvas::clipped(const Rect& r) const {
  return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, width_), std::min(r.bottom, height_)};
}

void Canvas::fill(const Rect& r, Colour colour) {
  const Rect c = clipped(r);
  for (int y = c.top; y < c.bottom; ++y)
    for (int x = c.left; x < c.right; ++x) set(x, y, colour);
}

void Canvas::frame(const Rect& r, Colour colour) {
  if (r.empty()) return;
  fill({r.left, r.top, r.right, r.top + 1}, colour);
  fill({r.left, r.bottom - 1, r.right, r.bottom}, colour);
  fill({r.left, r.top, r.left + 1, r.bottom}, colour);
  fill({r.right - 1, r.top, r.right, r.bottom}, colour);
}

void Canvas::fill(const Rect& r, const Gradient& g) {
  if (r.empty()) return;
  // With u = x / w and v = y / h, the upper triangle (u ≥ v) weighs top-left, top-right and
  // bottom-right by 1 − u, u − v and v; the lower one top-left, bottom-left and bottom-right by
  // 1 − v, v − u and u. Scaled by w × h the weights are whole numbers.
  const std::int64_t w = r.width(), h = r.height(), area = w * h;
  const Rect c = clipped(r);
  for (int y = c.top; y < c.bottom; ++y) {
    for (int x = c.left; x < c.right; ++x) {
      const std::int64_t uw = (x - r.left) * h, vw = (y - r.top) * w;
      Colour a, b, d;
      std::int64_t wa, wb, wd;
      if (uw >= vw) {
        a = g.topLeft, b = g.topRight, d = g.bottomRight;
        wa = area - uw, wb = uw - vw, wd = vw;
      } else {
        a = g.topLeft, b = g.bottomLeft, d = g.bottomRight;
        wa = area - vw, wb = vw - uw, wd = uw;
      }
      Colour out = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const std::int64_t v = (channel(a, shift) * wa + channel(b, shift) * wb + channel(d, shift) * wd) / area;
        out |= static_cast<Colour>(v) << shift;
      }
      set(x, y, out);
    }
  }
}

void Canvas::focusRectangle(const Rect& r) {
  if (r.empty()) return;
  const auto invert = [this](int x, int y) {
    if (inside(x, y) && (x + y) % 2 == 0) set(x, y, at(x, y) ^ 0xFFFFFF);
  };
  for (int x = r.left; x < r.right; ++x) {
    invert(x, r.top);
    if (r.bottom - 1 != r.top) invert(x, r.bottom - 1);
  }
  for (int y = r.top + 1; y < r.bottom - 1; ++y) {
    invert(r.left, y);
    if (r.right - 1 != r.left) invert(r.right - 1, y);
  }
}

}  // namespace skin
