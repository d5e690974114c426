#include "ui/controls/line_chart_data.h"

#include <cmath>

void LineChartData::setPointCount(std::int32_t count) {
  count_ = count < 1 ? 1 : count > kMaxPoints ? kMaxPoints : count;
  current_ = 0;
}

void LineChartData::setCurrentPoint(std::int32_t index) { current_ = index >= 0 && index < count_ ? index : 0; }

void LineChartData::setCurrentValue(double value) {
  if (std::isnan(value) || value < 0) value = 0;
  if (value > kMaxValue) value = kMaxValue;
  values_[static_cast<std::size_t>(current_)] = value;
}

double LineChartData::heightShare(int index) const { return std::log1p(value(index)) / std::log1p(kMaxValue); }
