#pragma once
// The sound-card strip of the audio window: 声卡输出框1 shows the confirmed device (or the prompt),
// 检测 fills in the device the program plays through, 确认 tells the user and keeps the choice.
#include <cstdint>
#include <optional>

#include "features/settings.h"
#include "ui/window_framework_win32.h"

class SoundCardStrip {
 public:
  SoundCardStrip(WindowFramework& windows, const SettingsFile& settings) : windows_(windows), settings_(settings) {}

  // The last step of the audio window's creation.
  void showStored();

  std::optional<std::int32_t> check(const EventArgs&);
  std::optional<std::int32_t> confirm(const EventArgs&);

 private:
  void show(const std::string& text);

  WindowFramework& windows_;
  const SettingsFile& settings_;
};
