#pragma once
// Property data the window descriptions share: captions of buttons, label texts, frames, file
// dialogs. Each returns the stored bytes of its type's layout.
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/format/property_data.h"

// A window the main window opens: narrow caption, fixed size, centred, no control box, kept out of
// the task bar; the caller sets what differs.
WindowProperties ownedWindow(std::string_view caption);
std::string pushButton(std::string_view caption);
std::string defaultPushButton(std::string_view caption);
std::string transLabel(std::string_view text, std::uint32_t colour, std::string font = {});
std::string shapeFrame(std::uint32_t background, std::uint32_t lineWidth, std::uint32_t lineColour);
std::string fileDialog(std::uint32_t kind, std::string_view filter, std::string_view presetName = {});

namespace file_dialog {
inline constexpr std::uint32_t open = 0, save = 1;
}
