// Process start: program directory, OLE, the hidden message window, the window templates, the
// global array, the main window and the message loop that ends when no window remains.
#include <windows.h>
#include <ole2.h>

#include "app/handler_table_win32.h"
#include "app/program_win32.h"
#include "assets/windows/main_window_ids.h"
#include "ui/block_resource_win32.h"
#include "ui/fatal_error_win32.h"
#include "ui/hidden_window_win32.h"
#include "ui/loader_win32.h"
#include "ui/message_loop_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  fixProgramPath();
  OleInitialize(nullptr);
  setProgramEnding(endProgram);
  if (!createHiddenMessageWindow()) FatalError("载入启动窗口失败");
  const std::vector<HandlerRoutine> handlers = programHandlers();
  ReadTemplates(windowBlockResource(), handlers);
  LoadStartWindow(main_window::kWindowId);
  RunMessageLoop();
  endProgram();
  return 0;
}
