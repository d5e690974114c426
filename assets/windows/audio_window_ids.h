#pragma once
// Ids of the audio window and its units, as its description stores them.
#include <cstdint>

namespace audio_window {

inline constexpr std::uint32_t kWindowId = 0x52010041;

enum Unit : std::uint32_t {
  窗口 = 0x06010000,
  编辑框3 = 0x16010001, 编辑框2, 编辑框1, 通用对话框3, 通用对话框2, 通用对话框1,
  自定义音效3, 自定义音效2, 自定义音效1, 选择框1, 声卡输出框1, 分割线1, 声卡确认1, 声卡检测1, 声卡输出1,
  退出1, 置顶1, 系统音量1, 音量1, 音量拖动, 类型4, 外形框2, 选择夹1, 类型3, 类型1, 类型2,
  类型选择2, 类型选择1, 外形框1, 音量底图1,
};

inline constexpr int kPageCount = 4, kButtonsPerPage = 20;

// Button n (1..20) of page p (0..3) of 选择夹1, named after its page: 常用鼓点1 ... 主持必备20.
constexpr std::uint32_t pageButton(int page, int n) {
  return 0x16010100 + static_cast<std::uint32_t>(page * 0x20 + n);
}

}  // namespace audio_window
