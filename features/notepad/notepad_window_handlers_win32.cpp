#include "features/notepad/notepad_window_handlers_win32.h"

#include <memory>

#include "assets/windows/handlers.h"
#include "assets/windows/notepad_window_ids.h"
#include "features/notepad/notepad_autosave_win32.h"
#include "features/notepad/notepad_text.h"
#include "ui/message_box_win32.h"
#include "ui/types/unit_types_win32.h"
#include "ui/window_helpers_win32.h"

namespace {

using namespace notepad_window;

class NotepadWindowHandlers {
 public:
  NotepadWindowHandlers(WindowFramework& windows, const SettingsFile& settings)
      : windows_(windows), settings_(settings) {}

  // Read once per opening: a second 记事本1 click only brings the window forward.
  std::optional<std::int32_t> created(const EventArgs&) {
    HWND editBox = windows_.GetUnit(kWindowId, 编辑框1)->hwnd();
    SendMessageW(editBox, EM_SETLIMITTEXT, 0, 0);  // as long as the user likes
    const std::string stored = settings_.ReadSettingWhole(notepad::kSection, notepad::kKey);
    windows_.SetProperty(kWindowId, 编辑框1, edit_box_property::text, notepad::shownForm(stored));
    // Watching starts after the text is in, so loading it is no change to save.
    autosave_ = std::make_unique<NotepadAutosave>(
        editBox, [this] { return save(); }, [this] { tellSaveFailed(); });
    return std::nullopt;
  }

  std::optional<std::int32_t> aboutToBeDestroyed(const EventArgs&) {
    if (autosave_) autosave_->close();
    autosave_.reset();
    return std::nullopt;
  }

  std::optional<std::int32_t> toggleOnTop(const EventArgs&) {
    toggleAlwaysOnTopByMenuItem(windows_, kWindowId, 置顶);
    return std::nullopt;
  }

 private:
  bool save() {
    const auto text = std::get<std::string>(windows_.GetProperty(kWindowId, 编辑框1, edit_box_property::text));
    return settings_.WriteSetting(notepad::kSection, notepad::kKey, notepad::storedForm(text));
  }

  void tellSaveFailed() { showMessageBox(notepad::saveFailedText(settings_.path()), notepad::kSaveFailedTitle); }

  WindowFramework& windows_;
  const SettingsFile& settings_;
  std::unique_ptr<NotepadAutosave> autosave_;  // while the window is open
};

}  // namespace

void registerNotepadWindowHandlers(HandlerTable& table, WindowFramework& windows, const SettingsFile& settings) {
  const auto handlers = std::make_shared<NotepadWindowHandlers>(windows, settings);
  using H = NotepadWindowHandlers;
  table.set(Handler::loadNotepadText, handlers, &H::created);
  table.set(Handler::saveNotepadText, handlers, &H::aboutToBeDestroyed);
  table.set(Handler::toggleNotepadOnTop, handlers, &H::toggleOnTop);
}
