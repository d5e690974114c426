#include "sound/audiofile/start_position.h"

#include <algorithm>
#include <cmath>

namespace audiofile {

double clampPercent(double percent) {
  if (std::isnan(percent)) return 0;
  return std::clamp(percent, 0.0, 100.0);
}

std::uint64_t byteOffsetFromToc(const TableOfContents& toc, std::uint64_t fileSize, double percent) {
  const double p = clampPercent(percent);
  const int entry = std::min(static_cast<int>(p), 99);
  const double from = toc[static_cast<std::size_t>(entry)];
  const double to = entry < 99 ? toc[static_cast<std::size_t>(entry) + 1] : 256.0;
  const double share = from + (to - from) * (p - entry);
  return static_cast<std::uint64_t>(share / 256.0 * static_cast<double>(fileSize));
}

std::uint32_t frameAtPercent(std::uint32_t frameCount, double percent) {
  return static_cast<std::uint32_t>(clampPercent(percent) * frameCount / 100.0);
}

void seekToPercent(FrameSource& source, std::uint64_t fileSize, double percent) {
  if (clampPercent(percent) == 0) return;
  if (const auto toc = source.tableOfContents())
    source.seekToByte(byteOffsetFromToc(*toc, fileSize, percent));
  else
    source.skipFrames(frameAtPercent(source.frameCount(), percent));
}

}  // namespace audiofile
