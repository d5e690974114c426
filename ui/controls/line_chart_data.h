#pragma once
// The line chart's data: up to 100 points on a 0..10000000 scale, written one point at a time
// through a current-point cursor. Out-of-range input is held to the limits, never refused.
#include <array>
#include <cstdint>

class LineChartData {
 public:
  static constexpr int kMaxPoints = 100;
  static constexpr double kMaxValue = 10000000.0;

  int pointCount() const { return count_; }
  // Held to 1..100; the current point goes back to 0.
  void setPointCount(std::int32_t count);
  int currentPoint() const { return current_; }
  // An index outside 0..pointCount-1 is taken as 0.
  void setCurrentPoint(std::int32_t index);
  double currentValue() const { return values_[static_cast<std::size_t>(current_)]; }
  // Below 0 or not a number is stored as 0, above the scale as its top.
  void setCurrentValue(double value);
  double value(int index) const { return values_[static_cast<std::size_t>(index)]; }
  // Where point `index` stands, from 0 (bottom) to 1 (top). The scale is logarithmic, so the
  // microphone's 16-bit samples (up to 32767) show as clearly as values near the top of the scale.
  double heightShare(int index) const;

 private:
  std::array<double, kMaxPoints> values_{};
  int count_ = kMaxPoints;
  int current_ = 0;
};
