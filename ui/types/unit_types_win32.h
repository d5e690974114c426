#pragma once
// The unit types' factories, and the type-specific property indexes handlers use.
#include <memory>

#include "ui/unit_win32.h"

namespace edit_box_property {
inline constexpr int text = 8;
}
namespace check_box_property {
inline constexpr int checked = 8;
}
namespace label_property {
inline constexpr int caption = 8;
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
