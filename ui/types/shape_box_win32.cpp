// ShapeBox (外形框): a frame drawn as a shape with a line of its own width and colour, holding
// other units.
#include "ui/format/property_data.h"
#include "ui/handles_win32.h"
#include "ui/types/own_window_unit_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

class ShapeBox final : public OwnWindowUnit {
 public:
  using OwnWindowUnit::OwnWindowUnit;
  bool create(const UnitContext& c) {
    const auto p = propertiesOrDefaults<ShapeBoxProperties>(c.record);
    if (!p) return false;
    shape_ = *p;
    return createWindow(c, L"LanxingShapeBox", WS_CLIPCHILDREN);
  }

 private:
  // Every shape is drawn as a rectangle inside the unit, its line inside the edge.
  void paint(HDC dc) override {
    RECT r;
    GetClientRect(hwnd_, &r);
    paintBackground(hwnd_, dc, shape_.backgroundColour);
    if (shape_.fillColour != kDefaultColour) {
      OwnedBrush fill(CreateSolidBrush(storedColour(shape_.fillColour, 0)));
      FillRect(dc, &r, fill.get());
    }
    const int line = static_cast<int>(shape_.lineWidth);
    if (line <= 0) return;
    OwnedBrush brush(CreateSolidBrush(storedColour(shape_.lineColour, 0)));
    for (int i = 0; i < line; ++i) {
      const RECT edge{r.left + i, r.top + i, r.right - i, r.bottom - i};
      FrameRect(dc, &edge, brush.get());
    }
  }

  ShapeBoxProperties shape_;
};

}  // namespace

std::unique_ptr<Unit> createShapeBox(const UnitContext& c) { return createUnit<ShapeBox>(c); }
