#pragma once
// Event indexes: negative ones are common to every unit, the others belong to a type.
#include <cstdint>

namespace event {
// window
inline constexpr std::int32_t created = 0, mayClose = 1, aboutToBeDestroyed = 2, moved = 3, resized = 4;
inline constexpr std::int32_t trayIcon = 9, shown = 10, hidden = 11;
// Button, PicBtn; Label's feedback; a menu item's click
inline constexpr std::int32_t click = 0, feedback = 0;
// ComboBox; Timer
inline constexpr std::int32_t itemChosen = 0, editTextChanged = 1, listDroppingDown = 2, listDoubleClick = 4;
inline constexpr std::int32_t tick = 0;
// common to all units
inline constexpr std::int32_t leftDown = -1, leftUp = -2, leftDoubleClick = -3, rightDown = -4, rightUp = -5;
inline constexpr std::int32_t mouseMove = -6, gotFocus = -7, lostFocus = -8, keyDown = -9, keyUp = -10;
inline constexpr std::int32_t character = -11, wheel = -12;
}  // namespace event

// Tray icon codes, the argument of the window's event 9.
namespace tray_code {
inline constexpr std::int32_t leftUp = 1, leftDoubleClick = 2, rightUp = 3;
}
