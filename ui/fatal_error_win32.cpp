#include "ui/fatal_error_win32.h"

#include <windows.h>

#include "ui/fatal_error_text.h"
#include "ui/gbk_text_win32.h"
#include "ui/loader_win32.h"

namespace {
ProgramEnding programEnding = nullptr;
}

void setProgramEnding(ProgramEnding ending) { programEnding = ending; }

void FatalError(std::string_view message, std::optional<int> code) {
  // No handler runs while the box is up, nor afterwards.
  eventRouter().halt();
  MessageBoxW(nullptr, wideFromGbk(fatalErrorText(code, message)).c_str(), wideFromGbk("错误").c_str(),
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
  if (programEnding) programEnding();
  ExitProcess(static_cast<UINT>(-1));
}
