// Timer (时钟): raises its tick (event 0) every `interval` milliseconds; an interval of 0 stops it.
// Ticks come through the message loop, so none reaches a handler while a window is being built.
#include <map>

#include "ui/format/events.h"
#include "ui/loader_win32.h"
#include "ui/types/non_visual_unit_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

class Timer;
std::map<UINT_PTR, Timer*> running;  // system timer id -> its unit

class Timer final : public NonVisualUnit {
 public:
  using NonVisualUnit::NonVisualUnit;
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
    if (interval_ > 0) {
      id_ = SetTimer(nullptr, 0, static_cast<UINT>(interval_), elapsed);
      if (id_) running[id_] = this;
    }
    return true;
  }

 private:
  void stop() {
    if (!id_) return;
    KillTimer(nullptr, id_);
    running.erase(id_);
    id_ = 0;
  }
  static void CALLBACK elapsed(HWND, UINT, UINT_PTR id, DWORD) {
    if (const auto t = running.find(id); t != running.end()) RaiseEvent(t->second->windowId, t->second->unitId, event::tick);
  }

  std::int32_t interval_ = 0;
  UINT_PTR id_ = 0;
};

}  // namespace

std::unique_ptr<Unit> createTimer(const UnitContext& c) { return createUnit<Timer>(c); }
