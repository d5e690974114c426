// PicBox (图片框): a coloured box, with a picture when it has one, that holds other units.
#include "ui/format/property_data.h"
#include "ui/handles_win32.h"
#include "ui/pictures/bitmaps_win32.h"
#include "ui/types/own_window_unit_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

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
  void paint(HDC dc) override {
    paintBackground(hwnd_, dc, background_);
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

}  // namespace

std::unique_ptr<Unit> createPicBox(const UnitContext& c) { return createUnit<PicBox>(c); }
