#include "ui/types/reflected_command_win32.h"

bool reflectCommand(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_COMMAND || lp == 0) return false;
  SendMessageW(reinterpret_cast<HWND>(lp), kReflectedCommand, wp, 0);
  return true;
}
