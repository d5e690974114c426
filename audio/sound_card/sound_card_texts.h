#pragma once
// The sound-card strip of the audio window: what its box shows, what 确认 says, where the choice
// is kept, and which output device 检测 names.
#include <optional>
#include <string>
#include <string_view>

namespace sound_card {

inline constexpr std::string_view kSection = "声卡输出";
inline constexpr std::string_view kKey = "默认声卡输出";
// Prompt P: shown while nothing has been confirmed.
inline constexpr std::string_view kPrompt = "检测并确认，进入不卡麦模式";

// 声卡输出框1 when the window opens, from the stored value.
std::string shownAtOpening(std::string_view stored);

struct Message {
  std::string_view title;
  std::string text;
  bool operator==(const Message&) const = default;
};

// 确认 with the box's text; the text is stored after the box closes, whichever message it was.
Message confirmation(std::string_view boxText);

// The device 检测 names: the one the wave mapper plays through when the system says which, else
// device 0; none when there are no output devices.
std::optional<unsigned> detectedDevice(std::optional<unsigned> mapperPreferred, unsigned deviceCount);

}  // namespace sound_card
