#include "soundboard/custom_effects/custom_effects.h"

std::string customEffectSection(int n) { return "自定义音效" + std::to_string(n); }

std::string hotkeyHintText(int n) { return "请在澜星音频助手中右键自定义音效" + std::to_string(n) + "选择音频路径"; }

HotkeyAction actionForHotkey(const std::array<int, 4>& identifiers, int notice) {
  if (notice == 0) return {};  // a key that failed to register never speaks
  for (int i = 0; i < kCustomEffectCount; ++i)
    if (identifiers[static_cast<std::size_t>(i)] == notice) return {HotkeyAction::playCustomEffect, i + 1};
  if (identifiers[3] == notice) return {HotkeyAction::stopAll, 0};
  return {};
}
