// Timer (时钟): raises its tick (event 0) every `interval` milliseconds; an interval of 0 stops it.
// The system timer belongs to the unit's window, numbered with the unit id, so its WM_TIMER comes
// through the message loop to that window (none reaches a handler while a window is being built)
// and goes with the window.
#include "ui/types/non_visual_unit_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

class Timer final : public NonVisualUnit {
 public:
  explicit Timer(const UnitContext& c) : NonVisualUnit(c), window_(c.parent) {}
  ~Timer() override { stop(); }

  std::optional<PropertyValue> property(int index) const override {
    if (index == timer_property::interval) return interval_;
    return NonVisualUnit::property(index);
  }
  bool setProperty(int index, const PropertyValue& value) override {
    if (index != timer_property::interval) return NonVisualUnit::setProperty(index, value);
    const auto* ms = std::get_if<std::int32_t>(&value);
    if (!ms) return false;
    stop();
    interval_ = *ms > 0 ? *ms : 0;
    if (interval_ > 0) running_ = SetTimer(window_, unitId, static_cast<UINT>(interval_), nullptr) != 0;
    return true;
  }

 private:
  void stop() {
    if (running_ && IsWindow(window_)) KillTimer(window_, unitId);
    running_ = false;
  }

  HWND window_;
  std::int32_t interval_ = 0;
  bool running_ = false;
};

}  // namespace

std::unique_ptr<Unit> createTimer(const UnitContext& c) { return createUnit<Timer>(c); }
