// Fatal errors: the error box titled "错误" with the composed text, then exit code -1. The box is
// answered from a second thread in the dying process.
#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

#include "recording_handlers.h"
#include "ui/gbk_text_win32.h"
#include "ui/window_framework_win32.h"

namespace {

// Prints the error box's text (GBK, like the expectation below) to stderr, then presses OK.
void answerTheErrorBox() {
  const std::wstring title = wideFromGbk("错误");
  for (int tries = 0; tries < 400; ++tries) {
    if (HWND box = FindWindowW(nullptr, title.c_str())) {
      wchar_t text[512] = {};
      GetDlgItemTextW(box, 0xFFFF, text, 512);
      std::fprintf(stderr, "box: %s\n", gbkFromWide(text).c_str());
      std::fflush(stderr);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

TEST(FatalErrorDeathTest, AnUnreadableBlockShowsTheErrorBoxAndExitsWithMinusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::vector<HandlerRoutine> none;
  EXPECT_EXIT(
      {
        std::thread(answerTheErrorBox).detach();
        testWindows().ReadTemplates("\x08\0\0\0truncated", none);
      },
      ::testing::ExitedWithCode(-1), "box: 运行时出错!\\s+错误信息：载入窗口模板数据段出错!");
}

TEST(FatalErrorDeathTest, PropertyAccessOnAWindowThatIsNotLoadedIsFatal) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        std::thread(answerTheErrorBox).detach();
        (void)testWindows().GetProperty(0x52019999, 0, 0);
      },
      ::testing::ExitedWithCode(-1), "box: 运行时出错!\\s+错误信息：指定窗口或窗口组件不存在或尚未载入");
}

}  // namespace
