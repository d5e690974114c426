#pragma once
// Ids of the audio window and its units, as its description stores them.
#include <cstdint>
#include <optional>

namespace audio_window {

inline constexpr std::uint32_t kWindowId = 0x52010041;

enum Unit : std::uint32_t {
  窗口 = 0x06010000,
  编辑框3 = 0x16010001,
  编辑框2,
  编辑框1,
  通用对话框3,
  通用对话框2,
  通用对话框1,
  自定义音效3,
  自定义音效2,
  自定义音效1,
  选择框1,
  声卡输出框1,
  分割线1,
  声卡确认1,
  声卡检测1,
  声卡输出1,
  退出1,
  置顶1,
  系统音量1,
  音量1,
  音量拖动,
  类型4,
  外形框2,
  选择夹1,
  类型3,
  类型1,
  类型2,
  类型选择2,
  类型选择1,
  外形框1,
  音量底图1,
};

inline constexpr int kPageCount = 4, kButtonsPerPage = 20;
inline constexpr std::uint32_t kPageButtonBase = 0x16010100, kPageButtonStride = 0x20;

// Button n (1..20) of page p (0..3) of 选择夹1, named after its page: 常用鼓点1 ... 主持必备20.
constexpr std::uint32_t pageButton(int page, int n) {
  return kPageButtonBase + static_cast<std::uint32_t>(page) * kPageButtonStride + static_cast<std::uint32_t>(n);
}

struct PageButtonPosition {
  int page = 0, n = 0;  // as pageButton() takes them
  bool operator==(const PageButtonPosition&) const = default;
};

// Where a page button sits, from its unit id; nothing for a unit that is no page button.
constexpr std::optional<PageButtonPosition> pageButtonPosition(std::uint32_t unit) {
  if (unit < kPageButtonBase) return std::nullopt;
  const std::uint32_t page = (unit - kPageButtonBase) / kPageButtonStride,
                      n = (unit - kPageButtonBase) % kPageButtonStride;
  if (page >= static_cast<std::uint32_t>(kPageCount) || n < 1 || n > static_cast<std::uint32_t>(kButtonsPerPage))
    return std::nullopt;
  return PageButtonPosition{static_cast<int>(page), static_cast<int>(n)};
}

}  // namespace audio_window
