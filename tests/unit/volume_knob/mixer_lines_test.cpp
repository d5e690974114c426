// SysVolume's line kinds and result codes.
#include <gtest/gtest.h>

#include "audio/volume/mixer_lines.h"

namespace {

using namespace volume;

TEST(MixerLines, LineKinds) {
  const std::pair<int, std::optional<LineLookup>> cases[] = {
      {4, LineLookup{4, std::nullopt}},
      {4104, LineLookup{4, 4104}},
      {4098, LineLookup{4098, std::nullopt}},
      {4099, LineLookup{4099, std::nullopt}},
      {4102, LineLookup{4102, std::nullopt}},
      {4106, LineLookup{4106, std::nullopt}},
      {4103, std::nullopt},
      {4105, std::nullopt},
      {0, std::nullopt},
  };
  for (const auto& [kind, lookup] : cases) EXPECT_EQ(lineLookupFor(kind), lookup) << kind;
}

TEST(MixerLines, OpenResultCodes) {
  EXPECT_EQ(openResult(true, true), 1);
  EXPECT_EQ(openResult(false, false), 0);
  EXPECT_EQ(openResult(false, true), -1);
  EXPECT_EQ(openResult(true, false), -2);
}

}  // namespace
