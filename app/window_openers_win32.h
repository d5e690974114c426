#pragma once
// The main window's openers 音频助手1, 录音软件1, 记事本1 and 挂机工具1: each loads its window
// non-modal and owned by the main window, so it closes with it; an open one comes forward.
#include <optional>

#include "ui/window_table.h"

namespace window_openers {
std::optional<std::int32_t> openAudioWindow(const EventArgs&);
std::optional<std::int32_t> openRecorderWindow(const EventArgs&);
std::optional<std::int32_t> openNotepadWindow(const EventArgs&);
std::optional<std::int32_t> openLockWindow(const EventArgs&);
}  // namespace window_openers
