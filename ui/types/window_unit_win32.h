#pragma once
// The window's own unit: the top-level window, built from the window property data.
#include <functional>

#include "ui/format/property_data.h"
#include "ui/handles_win32.h"
#include "ui/unit_win32.h"

namespace window_property {
inline constexpr int caption = 8, alwaysOnTop = 9, icon = 10;
}

class WindowUnit final : public Unit {
 public:
  // `menuBar` becomes the window's (it is destroyed with it). Without an owner, a modal window or
  // one kept out of the task bar is owned by the window `hiddenOwner` gives. The window class has
  // the system's default procedure: the framework puts the window's handling in front of it.
  static std::unique_ptr<WindowUnit> create(const UnitContext& c, HMENU menuBar, bool modal,
                                            const std::function<HWND()>& hiddenOwner);

  std::optional<PropertyValue> property(int index) const override;
  bool setProperty(int index, const PropertyValue& value) override;

  const WindowProperties& properties() const { return properties_; }
  COLORREF background() const { return storedColour(properties_.backgroundColour, GetSysColor(COLOR_BTNFACE)); }
  HBRUSH backgroundBrush() const { return brush_.get(); }

 private:
  WindowUnit(const UnitContext& c, WindowProperties p) : Unit(c), properties_(std::move(p)) {}
  void applyIcon();

  WindowProperties properties_;
  OwnedBrush brush_;
  OwnedIcon bigIcon_, smallIcon_;
};
