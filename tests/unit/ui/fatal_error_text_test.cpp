// The fatal error box's text: the headline, then the code and the message when given.
#include <gtest/gtest.h>

#include "ui/fatal_error_text.h"

namespace {

TEST(FatalErrorText, ComposedFromCodeAndMessage) {
  EXPECT_EQ(fatalErrorText(std::nullopt, "载入启动窗口失败"), "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(fatalErrorText(42, "x"), "运行时出错!\r\n\r\n错误代码：42\r\n\r\n错误信息：x\r\n");
  EXPECT_EQ(fatalErrorText(std::nullopt, ""), "运行时出错!\r\n\r\n");
}

}  // namespace
