#pragma once
// From a JPEG's decoded component planes to pixels: libjpeg's "fancy" upsampling of subsampled
// planes and its fixed-point YCbCr to RGB conversion, so that the result matches the reference
// decoder.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/pictures/pixels.h"

// One component's samples: width × height of them are real, in rows `stride` bytes apart.
struct SamplePlane {
  int width = 0, height = 0;
  std::size_t stride = 0;
  std::vector<std::uint8_t> samples;
  int at(int x, int y) const { return samples[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)]; }
};

// `plane` brought to width × height, from 1/`hRatio` of the width and 1/`vRatio` of the height
// (each 1 or 2, not both 1).
SamplePlane upsampled(const SamplePlane& plane, int hRatio, int vRatio, int width, int height);

Pixels greyPixels(const SamplePlane& y, int width, int height);
Pixels ycbcrPixels(const SamplePlane& y, const SamplePlane& cb, const SamplePlane& cr, int width, int height);
