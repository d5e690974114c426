#pragma once
// A unit without a window (timers, file dialogs, the sound engines): it keeps its stored rectangle
// for properties 0-3 and is never shown.
#include "ui/unit_win32.h"

class NonVisualUnit : public Unit {
 public:
  explicit NonVisualUnit(const UnitContext& c)
      : Unit(c), rect_{c.record.left, c.record.top, c.record.width, c.record.height} {}
  bool create(const UnitContext&) { return true; }

  std::optional<PropertyValue> property(int index) const override {
    if (index >= common_property::left && index <= common_property::height) return rect_[index];
    if (index == common_property::visible) return std::int32_t{0};
    return Unit::property(index);
  }

 private:
  std::int32_t rect_[4];
};
