#include "ui/fatal_error_win32.h"

#include <windows.h>

#include "ui/fatal_error_text.h"
#include "ui/gbk_text_win32.h"

void FatalError(std::string_view message, ProgramEnding ending, std::optional<int> code) {
  MessageBoxW(nullptr, wideFromGbk(fatalErrorText(code, message)).c_str(), wideFromGbk("错误").c_str(),
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
  if (ending) ending();
  ExitProcess(static_cast<UINT>(-1));
}
