// Process start: program directory, OLE, the window framework with the program's handlers and the
// window templates, the main window, the effects kept out of ducking, and the message loop that ends
// when no window remains.
#include <windows.h>
#include <ole2.h>

#include "app/program_handlers_win32.h"
#include "app/program_win32.h"
#include "assets/windows/main_window_ids.h"
#include "audio/volume/ducking_win32.h"
#include "features/program_settings_win32.h"
#include "ui/block_resource_win32.h"
#include "ui/message_loop_win32.h"
#include "ui/window_framework_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  fixProgramPath();
  OleInitialize(nullptr);
  WindowFramework windows(endProgram);
  const ProgramSettings settings(programPath().directory);
  const HandlerTable handlers = programHandlers(windows, settings.file());
  windows.ReadTemplates(windowBlockResource(), handlers.routines());
  windows.LoadStartWindow(main_window::kWindowId);
  // After the main window shows (it opens the sound system, which costs start-up time) and before
  // anything can play; where the system cannot, the effects are ducked as before.
  (void)optOutOfDucking();
  RunMessageLoop();
  endProgram();
  return 0;
}
