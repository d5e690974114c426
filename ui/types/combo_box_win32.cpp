// ComboBox (组合框): a drop-down list whose items carry integer values beside their texts.
// "Item chosen" (event 0) is posted and raised once the selection has settled; changes the program
// makes to the list raise nothing.
#include "ui/format/control_properties.h"
#include "ui/format/events.h"
#include "ui/gbk_text_win32.h"
#include "ui/private_messages.h"
#include "ui/types/standard_control_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

constexpr int kListHeight = 160;  // the dropped list, beyond the unit's own height

DWORD listKindStyle(std::uint32_t kind) { return kind == 0 ? CBS_SIMPLE : kind == 1 ? CBS_DROPDOWN : CBS_DROPDOWNLIST; }

class ComboBox final : public StandardControlUnit {
 public:
  using StandardControlUnit::StandardControlUnit;
  bool create(const UnitContext& c) {
    const auto p = propertiesOrDefaults<ComboBoxProperties>(c.record);
    if (!p) return false;
    if (!createControl(c, L"COMBOBOX", listKindStyle(p->listKind) | WS_VSCROLL, p->editText, p->font,
                       c.record.height + kListHeight))
      return false;
    for (std::size_t i = 0; i < p->items.size(); ++i) {
      const auto at = SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideFromGbk(p->items[i]).c_str()));
      SendMessageW(hwnd_, CB_SETITEMDATA, at, i < p->itemValues.size() ? p->itemValues[i] : 0);
    }
    fitSelectionField(c.record.height);
    return true;
  }

  std::optional<PropertyValue> property(int index) const override {
    namespace cp = combo_box_property;
    const auto current = static_cast<std::int32_t>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
    switch (index) {
      case cp::currentIndex: return current;
      case cp::currentValue:
        return current < 0 ? 0 : static_cast<std::int32_t>(SendMessageW(hwnd_, CB_GETITEMDATA, current, 0));
      case cp::itemCount: return static_cast<std::int32_t>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0));
      default: return Unit::property(index);
    }
  }

  bool setProperty(int index, const PropertyValue& value) override {
    namespace cp = combo_box_property;
    const auto* number = std::get_if<std::int32_t>(&value);
    if (index != cp::currentIndex && index != cp::currentValue) return Unit::setProperty(index, value);
    if (!number) return false;
    int select = *number;
    if (index == cp::currentValue) {
      select = -1;
      const auto count = static_cast<int>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0));
      for (int i = 0; i < count && select < 0; ++i)
        if (static_cast<std::int32_t>(SendMessageW(hwnd_, CB_GETITEMDATA, i, 0)) == *number) select = i;
    }
    ++programChanges_;
    SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(select), 0);
    --programChanges_;
    return true;
  }

 private:
  // The closed control is exactly the unit's height when the system allows: its selection field
  // is what is left inside. Systems differ in how the field adds up, hence a few corrections.
  void fitSelectionField(int height) {
    for (int attempt = 0; attempt < 4; ++attempt) {
      RECT r;
      GetWindowRect(hwnd_, &r);
      const int excess = (r.bottom - r.top) - height;
      const auto field = static_cast<int>(SendMessageW(hwnd_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
      if (excess == 0 || field - excess <= 0) return;
      SendMessageW(hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field - excess);
    }
  }

  void notified(WORD code) override {
    if (programChanges_) return;
    switch (code) {
      case CBN_SELENDOK: PostMessageW(hwnd_, private_message::kItemChosen, 0, 0); break;
      case CBN_EDITCHANGE: raise(event::editTextChanged); break;
      case CBN_DROPDOWN: raise(event::listDroppingDown); break;
      case CBN_DBLCLK: raise(event::listDoubleClick); break;
      default: break;
    }
  }

  bool intercept(UINT msg, WPARAM, LPARAM, LRESULT& result) override {
    if (msg != private_message::kItemChosen) return false;
    raise(event::itemChosen);
    result = 0;
    return true;
  }

  int programChanges_ = 0;
};

}  // namespace

std::unique_ptr<Unit> createComboBox(const UnitContext& c) { return createUnit<ComboBox>(c); }
