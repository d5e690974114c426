#pragma once
// Ids of the recorder window and its units, as its description stores them.
#include <cstdint>

namespace recorder_window {

inline constexpr std::uint32_t kWindowId = 0x52010137;

enum Unit : std::uint32_t {
  窗口 = 0x06010000,
  透明标签3 = 0x16010001,
  透明标签2,
  透明标签1,
  组合框3,
  组合框2,
  组合框1,
  录音音波控件,
  录音控件,
  时间时钟,
  通用对话框,
  曲线图控件1,
  外形框1,
  保存按钮,
  继续按钮,
  暂停按钮,
  停止按钮,
  波形时钟,
  录音按钮,
};

}  // namespace recorder_window
