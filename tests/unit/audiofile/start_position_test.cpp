// The start position's arithmetic: table of contents with interpolation, frame proportion, clamping.
#include "sound/audiofile/start_position.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace audiofile {
namespace {

TableOfContents sampleToc() {
  TableOfContents toc{};
  for (std::size_t i = 0; i < 100; ++i) toc[i] = static_cast<std::uint8_t>(i * 2);
  toc[10] = 20;
  toc[11] = 40;
  toc[99] = 250;
  return toc;
}

TEST(StartPosition, TableOfContentsEntriesAreIn256thsOfTheFileInterpolatedLinearly) {
  const TableOfContents toc = sampleToc();
  struct Case {
    double percent;
    std::uint64_t fileSize;
    std::uint64_t offset;
  };
  const Case cases[] = {
      {0, 25600, 0},                     // entry 0
      {10, 25600, 20 * 100},             // exactly on an entry
      {10.5, 25600, 30 * 100},           // half way between 20 and 40
      {10.25, 25600, 25 * 100},          // a quarter of the way
      {99.5, 25600, 253 * 100},          // past the last entry towards the whole file (256)
      {100, 25600, 25600},               // the very end
      {150, 25600, 25600},               // clamped to 100
      {-20, 25600, 0},                   // clamped to 0
      {std::numeric_limits<double>::quiet_NaN(), 25600, 0},
      {10.5, 1000, 117},                 // 30/256 of 1000, rounded down
      {50, 0, 0},                        // an empty file
  };
  for (const Case& c : cases)
    EXPECT_EQ(byteOffsetFromToc(toc, c.fileSize, c.percent), c.offset) << c.percent << "% of " << c.fileSize;
}

TEST(StartPosition, WithoutATableTheFramesAreTakenInProportion) {
  EXPECT_EQ(frameAtPercent(1000, 0), 0u);
  EXPECT_EQ(frameAtPercent(1000, 33.3), 333u);
  EXPECT_EQ(frameAtPercent(1000, 100), 1000u);
  EXPECT_EQ(frameAtPercent(1000, 250), 1000u);
  EXPECT_EQ(frameAtPercent(1000, -1), 0u);
  EXPECT_EQ(frameAtPercent(0, 50), 0u);
}

}  // namespace
}  // namespace audiofile
