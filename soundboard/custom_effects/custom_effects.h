#pragma once
// The three custom effects: where their paths are kept, what their hotkeys do, and the hints shown
// while a path is unset.
#include <array>
#include <string>

inline constexpr int kCustomEffectCount = 3;

// 配置.ini section of custom effect n (1..3); the key is always "路径".
std::string customEffectSection(int n);
inline constexpr const char* kCustomEffectKey = "路径";

// The hints for an unset effect: its button's, and its hotkey's (which names the button to use).
inline constexpr const char* kButtonHintText = "请右击选择mp3文件路径！";
inline constexpr const char* kButtonHintTitle = "提示：";
std::string hotkeyHintText(int n);
inline constexpr const char* kHotkeyHintTitle = "提示";

// What a hotkey notice asks for. The identifiers are F1..F4's, 0 for a key that failed to register;
// a notice is matched against them in that order.
struct HotkeyAction {
  enum Kind { none, playCustomEffect, stopAll } kind = none;
  int effect = 0;  // 1..3 for playCustomEffect
};
HotkeyAction actionForHotkey(const std::array<int, 4>& identifiers, int notice);
