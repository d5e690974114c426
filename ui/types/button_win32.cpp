// Button (按钮): a standard push button, a default one when its kind says so, its caption wrapped
// onto several lines when it does not fit. Property 8 is the caption.
#include "ui/format/control_properties.h"
#include "ui/format/events.h"
#include "ui/pictures/bitmaps_win32.h"
#include "ui/types/standard_control_win32.h"
#include "ui/types/control_text_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

DWORD alignmentStyle(const ButtonProperties& p) {
  constexpr DWORD horizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT}, vertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
  return (p.horizontalAlignment < 3 ? horizontal[p.horizontalAlignment] : BS_CENTER) |
         (p.verticalAlignment < 3 ? vertical[p.verticalAlignment] : BS_VCENTER);
}

class Button final : public StandardControlUnit {
 public:
  using StandardControlUnit::StandardControlUnit;
  bool create(const UnitContext& c) {
    const auto p = propertiesOrDefaults<ButtonProperties>(c.record);
    if (!p) return false;
    const DWORD kind = p->kind == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (!createControl(c, L"BUTTON", kind | BS_MULTILINE | alignmentStyle(*p), p->caption, p->font, c.record.height))
      return false;
    picture_ = bitmapFromPicture(p->picture);
    if (picture_) {
      SetWindowLongW(hwnd_, GWL_STYLE, GetWindowLongW(hwnd_, GWL_STYLE) | BS_BITMAP);
      SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()));
    }
    return true;
  }

  std::optional<PropertyValue> property(int index) const override {
    if (index != button_property::caption) return Unit::property(index);
    return controlText(hwnd_);
  }
  bool setProperty(int index, const PropertyValue& value) override {
    if (index != button_property::caption) return Unit::setProperty(index, value);
    const auto* text = std::get_if<std::string>(&value);
    return text && setControlText(hwnd_, *text);
  }

 private:
  void notified(WORD code) override {
    if (code == BN_CLICKED) raise(event::click);
  }

  OwnedBitmap picture_;
};

}  // namespace

std::unique_ptr<Unit> createButton(const UnitContext& c) { return createUnit<Button>(c); }
