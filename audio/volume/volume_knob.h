#pragma once
// The audio window's volume knob (音量拖动) on its track: a drag moves it at most one pixel per
// mouse event, and every move event while dragging writes the knob's value, moved or not.
#include <cstdint>
#include <optional>

namespace volume {

// The knob's left edge, in window pixels: 40 is silence, 107 puts its right edge at the track's end.
inline constexpr int kLeftmost = 40;
inline constexpr int kRightmost = 107;
inline constexpr int kStartLeft = 64;

// (left − 40) × 963.75, halves away from zero: 0 fully left, 64571 fully right.
std::uint32_t knobValue(int left);

class VolumeKnob {
 public:
  // A knob whose left edge is where the window shows it.
  explicit VolumeKnob(int left = kStartLeft) : left_(left) {}

  int left() const { return left_; }
  bool dragging() const { return dragging_; }

  // Mouse positions are relative to the knob. The caller captures the mouse on a press and releases
  // it on the release.
  void press(int x);
  void release();

  // A move: nothing while not dragging or when x ≥ 108; otherwise the knob's new left, which the
  // caller shows and then writes (knobValue) after letting pending messages through.
  std::optional<int> move(int x);

  // The mixer could not be opened during this drag: true the first time only, so one drag shows
  // one message box however many moves follow.
  bool reportOpenFailure();

 private:
  int left_ = kStartLeft;
  bool dragging_ = false;
  int pressX_ = 0;
  bool failureReported_ = false;
};

}  // namespace volume
