// The two frame types that hold other units: PicBox (图片框), a coloured box with an optional
// picture, and ShapeBox (外形框), a shape drawn with a line of its own width and colour.
#include "ui/format/property_data.h"
#include "ui/handles_win32.h"
#include "ui/pictures/bitmaps_win32.h"
#include "ui/types/own_window_unit_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

void fill(HDC dc, const RECT& r, COLORREF colour) {
  OwnedBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush.get());
}

class PicBox final : public OwnWindowUnit {
 public:
  using OwnWindowUnit::OwnWindowUnit;
  bool create(const UnitContext& c) {
    const auto p = propertiesOrDefaults<PicBoxProperties>(c.record);
    if (!p) return false;
    background_ = p->backgroundColour;
    picture_ = bitmapFromPicture(p->picture);
    return createWindow(c, L"LanxingPicBox", WS_CLIPCHILDREN);
  }

 private:
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_PAINT || msg == WM_PRINTCLIENT) return paintWith(msg, wp, [this](HDC dc) { paint(dc); });
    if (msg == WM_ERASEBKGND) return 1;
    return OwnWindowUnit::handle(msg, wp, lp);
  }
  void paint(HDC dc) {
    RECT r;
    GetClientRect(hwnd_, &r);
    if (background_ == kDefaultColour) paintParentBackground(hwnd_, dc);
    else fill(dc, r, storedColour(background_, 0));
    if (picture_) {
      BITMAP b{};
      GetObjectW(picture_.get(), sizeof b, &b);
      MemoryDc source(dc, picture_.get());
      BitBlt(dc, 0, 0, b.bmWidth, b.bmHeight, source, 0, 0, SRCCOPY);
    }
  }

  std::uint32_t background_ = kDefaultColour;
  OwnedBitmap picture_;
};

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
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_PAINT || msg == WM_PRINTCLIENT) return paintWith(msg, wp, [this](HDC dc) { paint(dc); });
    if (msg == WM_ERASEBKGND) return 1;
    return OwnWindowUnit::handle(msg, wp, lp);
  }
  // Every shape is drawn as a rectangle inside the unit, its line inside the edge.
  void paint(HDC dc) {
    RECT r;
    GetClientRect(hwnd_, &r);
    if (shape_.backgroundColour == kDefaultColour) paintParentBackground(hwnd_, dc);
    else fill(dc, r, storedColour(shape_.backgroundColour, 0));
    if (shape_.fillColour != kDefaultColour) fill(dc, r, storedColour(shape_.fillColour, 0));
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

std::unique_ptr<Unit> createPicBox(const UnitContext& c) { return createUnit<PicBox>(c); }
std::unique_ptr<Unit> createShapeBox(const UnitContext& c) { return createUnit<ShapeBox>(c); }
