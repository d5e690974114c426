#include "ui/message_box_win32.h"

#include <windows.h>

#include "ui/gbk_text_win32.h"

void tellUser(std::string_view text, std::string_view title) {
  MessageBoxW(nullptr, wideFromGbk(text).c_str(), wideFromGbk(title).c_str(), MB_OK | MB_TASKMODAL);
}
