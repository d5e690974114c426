#include "ui/message_box_win32.h"

#include "ui/gbk_text_win32.h"

void showMessageBox(std::string_view text, std::string_view title, UINT icon) {
  MessageBoxW(nullptr, wideFromGbk(text).c_str(), wideFromGbk(title).c_str(), MB_OK | MB_TASKMODAL | icon);
}
