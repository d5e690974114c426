#include "audio/volume/volume_knob.h"

namespace volume {

std::uint32_t knobValue(int left) {
  // 963.75 is 3855 / 4, so the product is exact in integers; the knob never goes below 40.
  const std::int64_t quarters = static_cast<std::int64_t>(left - kLeftmost) * 3855;
  const std::int64_t rounded = quarters >= 0 ? (quarters + 2) / 4 : -((-quarters + 2) / 4);
  return static_cast<std::uint32_t>(rounded < 0 ? 0 : rounded);
}

void VolumeKnob::press(int x) {
  dragging_ = true;
  pressX_ = x;
  failureReported_ = false;
}

void VolumeKnob::release() { dragging_ = false; }

std::optional<int> VolumeKnob::move(int x) {
  if (!dragging_ || x >= 108) return std::nullopt;
  if (x < pressX_ && left_ > kLeftmost)
    --left_;
  else if (x > 10 && x > pressX_ && left_ < kRightmost)
    ++left_;
  return left_;
}

bool VolumeKnob::reportOpenFailure() {
  if (failureReported_) return false;
  failureReported_ = true;
  return true;
}

}  // namespace volume
