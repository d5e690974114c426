#include "features/notepad/notepad_autosave_win32.h"

#include "ui/private_messages.h"
#include "ui/subclass_win32.h"

namespace {

// The edit control runs timers of its own (scrolling while selecting); this one keeps clear of them.
constexpr UINT_PTR kPauseTimer = 0x4E50;

notepad::Autosave::Clock::time_point now() { return notepad::Autosave::Clock::now(); }

}  // namespace

NotepadAutosave::NotepadAutosave(HWND editBox, notepad::Autosave::Save save, std::function<void()> tellFailure)
    : editBox_(editBox), autosave_(std::move(save)), tellFailure_(std::move(tellFailure)) {
  // Without the link the notes are still saved when the window goes, only not after each pause.
  attached_ = attachSubclass(editBox_, *this);
}

NotepadAutosave::~NotepadAutosave() {
  if (!IsWindow(editBox_)) return;
  KillTimer(editBox_, kPauseTimer);
  if (attached_) detachSubclass<NotepadAutosave>(editBox_);
}

void NotepadAutosave::close() {
  KillTimer(editBox_, kPauseTimer);
  if (autosave_.close()) tellFailure_();
}

LRESULT NotepadAutosave::subclassedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == private_message::kReflectedCommand && HIWORD(wp) == EN_CHANGE) changed();
  if (msg == WM_TIMER && wp == kPauseTimer) {
    timerFired();
    return 0;
  }
  return passToNextProcedure(hwnd, msg, wp, lp);
}

void NotepadAutosave::changed() {
  autosave_.changed(now());
  armTimer();
}

void NotepadAutosave::timerFired() {
  KillTimer(editBox_, kPauseTimer);
  if (autosave_.tick(now())) tellFailure_();
  armTimer();  // typing went on while the box telling a failure was up, or the timer came early
}

void NotepadAutosave::armTimer() {
  const auto wait = autosave_.untilDue(now());
  if (!wait) return;
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(*wait).count();
  SetTimer(editBox_, kPauseTimer, static_cast<UINT>(ms > 0 ? ms : 1), nullptr);
}
