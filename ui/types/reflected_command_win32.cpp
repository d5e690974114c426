#include "ui/types/reflected_command_win32.h"

#include "ui/private_messages.h"

bool reflectCommand(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_COMMAND || lp == 0) return false;
  SendMessageW(reinterpret_cast<HWND>(lp), private_message::kReflectedCommand, wp, 0);
  return true;
}
