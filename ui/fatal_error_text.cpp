#include "ui/fatal_error_text.h"

std::string fatalErrorText(std::optional<int> code, std::string_view message) {
  std::string text = "运行时出错!\r\n\r\n";
  if (code) text += "错误代码：" + std::to_string(*code) + "\r\n\r\n";
  if (!message.empty()) text += "错误信息：" + std::string(message) + "\r\n";
  return text;
}
