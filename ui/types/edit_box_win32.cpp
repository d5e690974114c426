// EditBox (编辑框): a standard edit control. Property 8 is its text, 9 its input mode (0 normal,
// 1 read-only, 2 password), which can change while the window is open.
#include "ui/format/property_data.h"
#include "ui/gbk_text_win32.h"
#include "ui/types/control_text_win32.h"
#include "ui/types/pixel_layout_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

class EditBox final : public Unit {
 public:
  using Unit::Unit;
  bool create(const UnitContext& c) {
    const auto p = propertiesOrDefaults<EditBoxProperties>(c.record);
    if (!p) return false;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | c.style | ES_AUTOHSCROLL;
    if (p->multiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (p->scrollBars == 1 || p->scrollBars == 3) style |= WS_HSCROLL;
    if (p->scrollBars == 2 || p->scrollBars == 3) style |= WS_VSCROLL;
    if (p->inputMode == 1) style |= ES_READONLY;
    if (p->inputMode == 2) style |= ES_PASSWORD;
    if (p->alignment == 1) style |= ES_CENTER;
    if (p->alignment == 2) style |= ES_RIGHT;
    const UnitRecord& r = c.record;
    HWND hwnd =
        CreateWindowExW(p->border ? WS_EX_CLIENTEDGE : 0, L"EDIT", wideFromGbk(p->text).c_str(), style, r.left, r.top,
                        r.width, r.height, c.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.controlId)),
                        GetModuleHandleW(nullptr), nullptr);
    if (!hwnd || !attach(hwnd)) return false;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
    if (p->maxLength) SendMessageW(hwnd, EM_LIMITTEXT, p->maxLength, 0);
    passwordChar_ = p->passwordChar;
    inputMode_ = static_cast<std::int32_t>(p->inputMode);
    if (p->inputMode == 2) SendMessageW(hwnd, EM_SETPASSWORDCHAR, p->passwordChar, 0);
    return true;
  }

  std::optional<PropertyValue> property(int index) const override {
    if (index == edit_box_property::inputMode) return inputMode_;
    if (index != edit_box_property::text) return Unit::property(index);
    return controlText(hwnd_);
  }
  bool setProperty(int index, const PropertyValue& value) override {
    if (index == edit_box_property::inputMode) return setInputMode(value);
    if (index != edit_box_property::text) return Unit::setProperty(index, value);
    const auto* text = std::get_if<std::string>(&value);
    return text && setControlText(hwnd_, *text);
  }

 private:
  bool setInputMode(const PropertyValue& value) {
    const auto* mode = std::get_if<std::int32_t>(&value);
    if (!mode || *mode < 0 || *mode > 2) return false;
    inputMode_ = *mode;
    SendMessageW(hwnd_, EM_SETREADONLY, *mode == 1, 0);
    SendMessageW(hwnd_, EM_SETPASSWORDCHAR, *mode == 2 ? passwordChar_ : 0, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
    return true;
  }

  std::uint16_t passwordChar_ = '*';
  std::int32_t inputMode_ = 0;
};

}  // namespace

std::unique_ptr<Unit> createEditBox(const UnitContext& c) { return createUnit<EditBox>(c); }
