#pragma once
// The notepad's save after a pause in typing, carried by its edit box: the box's change notices
// start the pause and a timer on the box ends it; notepad::Autosave decides when to write and
// when a failure is to be told.
#include <windows.h>

#include <functional>

#include "features/notepad/autosave.h"

class NotepadAutosave {
 public:
  // `tellFailure` tells the user that a save failed; it runs once until a save succeeds again.
  NotepadAutosave(HWND editBox, notepad::Autosave::Save save, std::function<void()> tellFailure);
  ~NotepadAutosave();
  NotepadAutosave(const NotepadAutosave&) = delete;
  NotepadAutosave& operator=(const NotepadAutosave&) = delete;

  // The window goes away: the last save, whether or not anything changed.
  void close();

  LRESULT subclassedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  void changed();
  void timerFired();
  void armTimer();

  HWND editBox_;
  notepad::Autosave autosave_;
  std::function<void()> tellFailure_;
  bool attached_ = false;
};
