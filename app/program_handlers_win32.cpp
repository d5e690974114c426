#include "app/program_handlers_win32.h"

#include "app/main_window_handlers_win32.h"
#include "assets/windows/handlers.h"
#include "audio/recorder/recorder_window_handlers_win32.h"
#include "features/lock/lock_window_handlers_win32.h"
#include "features/notepad/notepad_window_handlers_win32.h"
#include "soundboard/audio_window/audio_window_handlers_win32.h"

HandlerTable programHandlers(WindowFramework& windows, const SettingsFile& settings) {
  HandlerTable table(static_cast<std::size_t>(Handler::count));
  registerMainWindowHandlers(table, windows, settings);
  registerAudioWindowHandlers(table, windows, settings);
  registerRecorderWindowHandlers(table, windows);
  registerLockWindowHandlers(table, windows, settings);
  registerNotepadWindowHandlers(table, windows, settings);
  return table;
}
