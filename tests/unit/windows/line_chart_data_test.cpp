// The line chart's limits: point count, current point and values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ui/controls/line_chart_data.h"

namespace {

TEST(LineChartData, PointCountIsHeldToOneToHundredAndResetsTheCurrentPoint) {
  const std::pair<std::int32_t, int> cases[] = {{-5, 1}, {0, 1}, {1, 1}, {50, 50}, {100, 100}, {101, 100}, {2048, 100}};
  for (const auto& [asked, held] : cases) {
    LineChartData chart;
    chart.setCurrentPoint(7);
    chart.setPointCount(asked);
    EXPECT_EQ(chart.pointCount(), held) << asked;
    EXPECT_EQ(chart.currentPoint(), 0) << asked;
  }
}

TEST(LineChartData, CurrentPointOutsideTheRangeIsTakenAsZero) {
  LineChartData chart;
  chart.setPointCount(10);
  const std::pair<std::int32_t, int> cases[] = {{0, 0}, {9, 9}, {10, 0}, {-1, 0}, {2047, 0}};
  for (const auto& [asked, taken] : cases) {
    chart.setCurrentPoint(5);
    chart.setCurrentPoint(asked);
    EXPECT_EQ(chart.currentPoint(), taken) << asked;
  }
}

TEST(LineChartData, ValuesAreHeldToTheScale) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const std::pair<double, double> cases[] = {{-1, 0},          {-inf, 0},  {nan, 0},       {0, 0},
                                             {1234.5, 1234.5}, {1e7, 1e7}, {1e7 + 1, 1e7}, {inf, 1e7}};
  for (const auto& [given, stored] : cases) {
    LineChartData chart;
    chart.setCurrentPoint(3);
    chart.setCurrentValue(given);
    EXPECT_EQ(chart.value(3), stored) << given;
    EXPECT_EQ(chart.value(0), 0) << "only the current point changes";
  }
}

TEST(LineChartData, WritingPastTheLastPointLandsOnPointZero) {
  LineChartData chart;
  for (int k = 0; k < 2048; ++k) {
    chart.setCurrentPoint(k);
    chart.setCurrentValue(k);
  }
  EXPECT_EQ(chart.value(0), 2047);
  EXPECT_EQ(chart.value(1), 1);
  EXPECT_EQ(chart.value(99), 99);
}

TEST(LineChartData, TheScaleShowsSixteenBitSamplesWellAboveTheBottom) {
  LineChartData chart;
  const std::pair<double, double> cases[] = {{0, 0}, {4660, 0.52}, {32767, 0.64}, {10000000, 1}};
  for (const auto& [value, share] : cases) {
    chart.setCurrentValue(value);
    EXPECT_NEAR(chart.heightShare(0), share, 0.01) << value;
  }
}

}  // namespace
