#include "audio/sound_card/sound_card_texts.h"

namespace sound_card {

std::string shownAtOpening(std::string_view stored) { return std::string(stored.empty() ? kPrompt : stored); }

Message confirmation(std::string_view boxText) {
  if (boxText == kPrompt) return {"提示：", "您还未检测声卡输出设备"};
  std::string text = "    您已选择：";
  text.append(boxText).append("  作为默认声卡，自动进入不卡麦模式\r\n\r\n若");
  text.append(boxText).append("  不是您正在使用的声卡，请进入声音和音频设备中设置");
  return {"声卡信息：", std::move(text)};
}

std::optional<unsigned> detectedDevice(std::optional<unsigned> mapperPreferred, unsigned deviceCount) {
  if (deviceCount == 0) return std::nullopt;
  if (mapperPreferred && *mapperPreferred < deviceCount) return mapperPreferred;
  return 0u;
}

}  // namespace sound_card
