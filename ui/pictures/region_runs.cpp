#include "ui/pictures/region_runs.h"

std::vector<PixelRun> opaqueRuns(const Pixels& picture, std::uint32_t key) {
  std::vector<PixelRun> runs;
  key &= 0xFFFFFF;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width;) {
      if ((picture.at(x, y) & 0xFFFFFF) == key) {
        ++x;
        continue;
      }
      const int left = x;
      while (x < picture.width && (picture.at(x, y) & 0xFFFFFF) != key) ++x;
      runs.push_back({y, left, x});
    }
  }
  return runs;
}
