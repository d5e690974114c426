#pragma once
// The unit types' factories, and the type-specific property indexes handlers use.
#include <memory>

#include "ui/unit_win32.h"

namespace edit_box_property {
inline constexpr int text = 8, inputMode = 9;  // input mode: 0 normal, 1 read-only, 2 password
}
namespace check_box_property {
inline constexpr int checked = 8;
}
namespace label_property {
inline constexpr int caption = 8;
}
namespace button_property {
inline constexpr int caption = 8;
}
namespace combo_box_property {
inline constexpr int currentIndex = 8, currentValue = 9, itemCount = 10;
}
namespace tab_property {
inline constexpr int currentPage = 8, pageCount = 9;
}
namespace timer_property {
inline constexpr int interval = 8;  // milliseconds; 0 stops
}
namespace common_dlg_property {
inline constexpr int fileName = 8, filter = 9;
}
namespace line_chart_property {
inline constexpr int backgroundColour = 8, textColour = 9, pointCount = 10, currentPoint = 11, currentValue = 12;
}
namespace picbtn_property {
inline constexpr int kind = 8, selected = 9, normal = 10, hover = 11, pressed = 12, disabled = 13, transparent = 14;
}

// Builds a unit of type T (which has `bool create(const UnitContext&)`), or nothing on failure.
template <class T>
std::unique_ptr<Unit> createUnit(const UnitContext& c) {
  auto unit = std::make_unique<T>(c);
  if (!unit->create(c)) return nullptr;
  return unit;
}

std::unique_ptr<Unit> createEditBox(const UnitContext& c);
std::unique_ptr<Unit> createPicBox(const UnitContext& c);
std::unique_ptr<Unit> createShapeBox(const UnitContext& c);
std::unique_ptr<Unit> createLabel(const UnitContext& c);
std::unique_ptr<Unit> createCheckBox(const UnitContext& c);
std::unique_ptr<Unit> createTransLabel(const UnitContext& c);
std::unique_ptr<Unit> createPicBtn(const UnitContext& c);
std::unique_ptr<Unit> createButton(const UnitContext& c);
std::unique_ptr<Unit> createComboBox(const UnitContext& c);
std::unique_ptr<Unit> createTab(const UnitContext& c);
std::unique_ptr<Unit> createTimer(const UnitContext& c);
std::unique_ptr<Unit> createCommonDlg(const UnitContext& c);
std::unique_ptr<Unit> createLineChart(const UnitContext& c);
std::unique_ptr<Unit> createSoundEngineUnit(const UnitContext& c);

// Shows a CommonDlg unit's dialog; true when the user confirmed a file, which the unit then
// remembers as its file name.
bool ShowFileDialog(Unit& commonDlg, HWND owner);
