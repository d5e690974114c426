#pragma once
// Which standard controls the skin draws, told apart by window class and style, and the state a
// skinned control's record starts with. The style bits are the system's; they are spelled here so
// the rules are decided and tested without it.
#include <cstdint>
#include <string_view>

namespace skin {

enum class Kind { none, pushButton, checkBox, radioButton, editBox, comboBox, upDown, groupBox, dropDownList };

namespace style {
inline constexpr std::uint32_t kDisabled = 0x08000000;    // WS_DISABLED
inline constexpr std::uint32_t kButtonType = 0x0000000F;  // BS_TYPEMASK
inline constexpr std::uint32_t kPushButton = 0x0, kDefaultPushButton = 0x1, kCheckBox = 0x2, kAutoCheckBox = 0x3,
                               kRadioButton = 0x4, kThreeState = 0x5, kAutoThreeState = 0x6, kGroupBox = 0x7,
                               kAutoRadioButton = 0x9, kOwnerDrawn = 0xB;
inline constexpr std::uint32_t kRightButton = 0x00000020;  // BS_LEFTTEXT: the box right of the text
inline constexpr std::uint32_t kHorizontal = 0x00000300;   // BS_LEFT, BS_RIGHT, BS_CENTER
inline constexpr std::uint32_t kLeft = 0x100, kRight = 0x200, kCentre = 0x300;
inline constexpr std::uint32_t kVertical = 0x00000C00;  // BS_TOP, BS_BOTTOM, BS_VCENTER
inline constexpr std::uint32_t kTop = 0x400, kBottom = 0x800, kVCentre = 0xC00;
inline constexpr std::uint32_t kPushLike = 0x00001000;
inline constexpr std::uint32_t kMultiLine = 0x00002000;
inline constexpr std::uint32_t kComboType = 0x3, kSimpleCombo = 0x1;  // CBS_SIMPLE
inline constexpr std::uint32_t kReadOnlyEdit = 0x0800;                // ES_READONLY
inline constexpr std::uint32_t kHorizontalUpDown = 0x0040;            // UDS_HORZ
// A push button of exactly this style and no text is left alone (WS_CHILD | WS_TABSTOP alone).
inline constexpr std::uint32_t kBarePushButton = 0x40010000;
}  // namespace style

struct WindowFacts {
  std::string_view className;  // compared without regard to ASCII case, as the system does
  std::uint32_t style = 0;
  bool hasText = false;
  bool insideIpAddress = false;  // the parent is a "SysIPAddress32"
};

Kind kindOf(const WindowFacts& window);

// A skinned control's state flags.
enum Flag : std::uint32_t {
  disabled = 1u << 0,
  hover = 1u << 1,
  focused = 1u << 2,
  pushed = 1u << 3,
  ticked = 1u << 4,
  indeterminate = 1u << 5,
  defaultButton = 1u << 6,
  readOnly = 1u << 7,
};
using Flags = std::uint32_t;

// The flags at subclassing: disabled from the style, focused when the control has the focus,
// default from the default-push style of buttons, read-only from the edit style. Ticked and
// indeterminate come from the check state the control reports.
Flags initialFlags(Kind kind, std::uint32_t style, bool hasFocus, int checkState);

// Whether a button style is the default push button's (for a later style change too).
inline bool isDefaultPushStyle(std::uint32_t s) { return (s & style::kButtonType) == style::kDefaultPushButton; }

}  // namespace skin
