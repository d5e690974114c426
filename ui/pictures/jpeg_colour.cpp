// The triangle filters weigh the nearer source sample 3/4 and the further one 1/4 on each
// subsampled axis; at the plane's edges the edge sample stands in for the missing neighbour.
#include "ui/pictures/jpeg_colour.h"

#include <algorithm>
#include <array>

namespace {

// The fixed-point colour conversion: 16 fraction bits, with rounding folded into the tables.
constexpr int kScaleBits = 16;
constexpr std::int32_t kHalf = std::int32_t{1} << (kScaleBits - 1);
constexpr std::int32_t fixed(double x) { return static_cast<std::int32_t>(x * (1 << kScaleBits) + 0.5); }

struct ColourTables {
  std::array<int, 256> crToRed{}, cbToBlue{};
  std::array<std::int32_t, 256> crToGreen{}, cbToGreen{};
};

constexpr ColourTables kColour = [] {
  ColourTables t;
  for (int i = 0; i < 256; ++i) {
    const std::int32_t x = i - 128;
    t.crToRed[i] = (fixed(1.40200) * x + kHalf) >> kScaleBits;
    t.cbToBlue[i] = (fixed(1.77200) * x + kHalf) >> kScaleBits;
    t.crToGreen[i] = -fixed(0.71414) * x;
    t.cbToGreen[i] = -fixed(0.34414) * x + kHalf;
  }
  return t;
}();

std::uint32_t clamped(int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); }

}  // namespace

SamplePlane upsampled(const SamplePlane& plane, int hRatio, int vRatio, int width, int height) {
  SamplePlane out{width, height, static_cast<std::size_t>(width),
                  std::vector<std::uint8_t>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))};
  // libjpeg keeps plain replication for planes two samples wide or narrower when it doubles the width.
  const bool fancy = hRatio == 1 || plane.width > 2;
  for (int oy = 0; oy < height; ++oy) {
    const int row = oy / vRatio;
    // The other row of the vertical filter: above for the upper output row, below for the lower.
    const int near = oy % 2 == 0 ? std::max(row - 1, 0) : std::min(row + 1, plane.height - 1);
    std::uint8_t* o = out.samples.data() + static_cast<std::size_t>(oy) * out.stride;
    for (int ox = 0; ox < width; ++ox) {
      const int column = ox / hRatio;
      if (!fancy) {
        o[ox] = static_cast<std::uint8_t>(plane.at(column, row));
        continue;
      }
      if (hRatio == 1) {
        o[ox] = static_cast<std::uint8_t>((3 * plane.at(column, row) + plane.at(column, near) + 1 + oy % 2) >> 2);
        continue;
      }
      const int other = ox % 2 == 0 ? std::max(column - 1, 0) : std::min(column + 1, plane.width - 1);
      const int evenBias = ox % 2 == 0;
      if (vRatio == 1) {
        o[ox] = static_cast<std::uint8_t>((3 * plane.at(column, row) + plane.at(other, row) + 2 - evenBias) >> 2);
      } else {
        const int here = 3 * plane.at(column, row) + plane.at(column, near);
        const int there = 3 * plane.at(other, row) + plane.at(other, near);
        o[ox] = static_cast<std::uint8_t>((3 * here + there + 7 + evenBias) >> 4);
      }
    }
  }
  return out;
}

Pixels greyPixels(const SamplePlane& y, int width, int height) {
  Pixels p{width, height,
           std::vector<std::uint32_t>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))};
  for (int row = 0; row < height; ++row)
    for (int x = 0; x < width; ++x)
      p.rgb[static_cast<std::size_t>(row) * width + x] = static_cast<std::uint32_t>(y.at(x, row)) * 0x010101u;
  return p;
}

Pixels ycbcrPixels(const SamplePlane& y, const SamplePlane& cb, const SamplePlane& cr, int width, int height) {
  Pixels p{width, height,
           std::vector<std::uint32_t>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))};
  for (int row = 0; row < height; ++row)
    for (int x = 0; x < width; ++x) {
      const int luma = y.at(x, row), b = cb.at(x, row), r = cr.at(x, row);
      const std::uint32_t red = clamped(luma + kColour.crToRed[r]);
      const std::uint32_t green = clamped(luma + ((kColour.cbToGreen[b] + kColour.crToGreen[r]) >> kScaleBits));
      const std::uint32_t blue = clamped(luma + kColour.cbToBlue[b]);
      p.rgb[static_cast<std::size_t>(row) * width + x] = red << 16 | green << 8 | blue;
    }
  return p;
}
