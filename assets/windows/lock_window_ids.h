#pragma once
// Ids of the lock window and its units, as its description stores them.
#include <cstdint>

namespace lock_window {

inline constexpr std::uint32_t kWindowId = 0x5201019D;

enum Unit : std::uint32_t {
  窗口 = 0x06010000,
  透明标签3 = 0x16010001,
  按钮3,
  按钮2,
  按钮1,
  编辑框2,
  编辑框1,
  透明标签2,
  透明标签1,
  时钟1,
};

}  // namespace lock_window
