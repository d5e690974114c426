#pragma once
// Ids of the notepad window, its edit box and its menu, as its description stores them.
#include <cstdint>

namespace notepad_window {

inline constexpr std::uint32_t kWindowId = 0x52010188;

enum Unit : std::uint32_t {
  窗口 = 0x06010000,
  编辑框1 = 0x16010001,
  菜单 = 0x26010002,
  置顶,
};

}  // namespace notepad_window
