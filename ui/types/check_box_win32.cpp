// CheckBox (选择框): a standard check box. Property 8 is its state (0 or 1).
#include "ui/gbk_text_win32.h"
#include "ui/types/pixel_layout_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

class CheckBox final : public Unit {
 public:
  using Unit::Unit;
  bool create(const UnitContext& c) {
    const UnitRecord& r = c.record;
    HWND hwnd = CreateWindowExW(0, L"BUTTON", wideFromGbk(r.tag).c_str(),
                                WS_CHILD | WS_CLIPSIBLINGS | c.style | BS_AUTOCHECKBOX, r.left, r.top, r.width,
                                r.height, c.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.controlId)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!hwnd || !attach(hwnd)) return false;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
    return true;
  }
  std::optional<PropertyValue> property(int index) const override {
    if (index != check_box_property::checked) return Unit::property(index);
    return std::int32_t{SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0};
  }
  bool setProperty(int index, const PropertyValue& value) override {
    if (index != check_box_property::checked) return Unit::setProperty(index, value);
    const auto* number = std::get_if<std::int32_t>(&value);
    if (!number) return false;
    SendMessageW(hwnd_, BM_SETCHECK, *number ? BST_CHECKED : BST_UNCHECKED, 0);
    return true;
  }
};

}  // namespace

std::unique_ptr<Unit> createCheckBox(const UnitContext& c) { return createUnit<CheckBox>(c); }
