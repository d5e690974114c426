#include "app/window_openers_win32.h"

#include "assets/windows/audio_window_ids.h"
#include "assets/windows/lock_window_ids.h"
#include "assets/windows/main_window_ids.h"
#include "assets/windows/notepad_window_ids.h"
#include "assets/windows/recorder_window_ids.h"
#include "ui/loader_win32.h"

namespace window_openers {

namespace {

std::optional<std::int32_t> open(std::uint32_t windowId) {
  LoadWindow(windowId, GetWindowHandle(main_window::kWindowId));
  return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> openAudioWindow(const EventArgs&) { return open(audio_window::kWindowId); }
std::optional<std::int32_t> openRecorderWindow(const EventArgs&) { return open(recorder_window::kWindowId); }
std::optional<std::int32_t> openNotepadWindow(const EventArgs&) { return open(notepad_window::kWindowId); }
std::optional<std::int32_t> openLockWindow(const EventArgs&) { return open(lock_window::kWindowId); }

}  // namespace window_openers
