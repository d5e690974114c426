#pragma once
// The shape of a picture button with a transparent colour: every pixel whose colour differs from
// the key, collected row by row as horizontal runs.
#include <cstdint>
#include <vector>

#include "ui/pictures/pixels.h"

struct PixelRun {
  int y = 0, left = 0, right = 0;  // covers left <= x < right
  bool operator==(const PixelRun&) const = default;
};

// `key` is 0x00RRGGBB, compared with the pixels' colour bits only.
std::vector<PixelRun> opaqueRuns(const Pixels& picture, std::uint32_t key);
