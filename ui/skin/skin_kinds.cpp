#include "ui/skin/skin_kinds.h"

#include "ui/gbk.h"

namespace skin {

namespace {

Kind buttonKind(const WindowFacts& w) {
  switch (w.style & style::kButtonType) {
    case style::kPushButton: return w.style == style::kBarePushButton && !w.hasText ? Kind::none : Kind::pushButton;
    case style::kDefaultPushButton: return Kind::pushButton;
    case style::kCheckBox:
    case style::kAutoCheckBox:
    case style::kThreeState:
    case style::kAutoThreeState: return w.style & style::kPushLike ? Kind::pushButton : Kind::checkBox;
    case style::kRadioButton:
    case style::kAutoRadioButton: return w.style & style::kPushLike ? Kind::pushButton : Kind::radioButton;
    case style::kGroupBox: return Kind::groupBox;
    default:  // owner-drawn, user buttons, push boxes, split buttons, command links
      return Kind::none;
  }
}

}  // namespace

Kind kindOf(const WindowFacts& w) {
  const auto is = [&](std::string_view name) { return gbk::equalIgnoringAsciiCase(w.className, name); };
  if (is("Button")) return buttonKind(w);
  if (is("Edit")) return w.insideIpAddress ? Kind::none : Kind::editBox;
  if (is("ComboBox")) return (w.style & style::kComboType) == style::kSimpleCombo ? Kind::none : Kind::comboBox;
  if (is("msctls_updown32")) return Kind::upDown;
  if (is("ComboLBox")) return Kind::dropDownList;
  return Kind::none;
}

Flags initialFlags(Kind kind, std::uint32_t s, bool hasFocus, int checkState) {
  Flags flags = 0;
  if (s & style::kDisabled) flags |= disabled;
  if (hasFocus) flags |= focused;
  const bool button = kind == Kind::pushButton || kind == Kind::checkBox || kind == Kind::radioButton;
  if (button && isDefaultPushStyle(s)) flags |= defaultButton;
  if (button && checkState == 1) flags |= ticked;
  if (button && checkState == 2) flags |= indeterminate;
  if (kind == Kind::editBox && (s & style::kReadOnlyEdit)) flags |= readOnly;
  return flags;
}

}  // namespace skin
