#pragma once
// Starting a file part way in: a percentage of the file, found through the stream's table of
// contents when it has one, else in proportion to its frames.
#include <cstdint>

#include "sound/audiofile/frame_source.h"

namespace audiofile {

// Percentages outside 0..100 (and NaN) are clamped.
[[nodiscard]] double clampPercent(double percent);

// Linear interpolation between the entries around `percent`; past entry 99 towards 256.
[[nodiscard]] std::uint64_t byteOffsetFromToc(const TableOfContents& toc, std::uint64_t fileSize, double percent);

[[nodiscard]] std::uint32_t frameAtPercent(std::uint32_t frameCount, double percent);

// Moves a freshly opened source to `percent` of the file; 0 leaves it at the start.
void seekToPercent(FrameSource& source, std::uint64_t fileSize, double percent);

}  // namespace audiofile
