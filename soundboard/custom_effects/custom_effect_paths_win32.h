#pragma once
// Where the custom-effect paths live while the program runs: hidden edit boxes 编辑框1..3, in the
// main window (read by the hotkeys) and in the audio window (read by its buttons), each filled from
// 配置.ini when its window is created.
#include <array>
#include <cstdint>
#include <string>

#include "assets/windows/audio_window_ids.h"
#include "assets/windows/main_window_ids.h"
#include "features/settings.h"
#include "soundboard/custom_effects/custom_effects.h"
#include "ui/window_framework_win32.h"

struct PathHolders {
  std::uint32_t windowId;
  std::array<std::uint32_t, kCustomEffectCount> units;  // effect 1..3
};

inline constexpr PathHolders kMainWindowPaths{main_window::kWindowId,
                                              {main_window::编辑框1, main_window::编辑框2, main_window::编辑框3}};
inline constexpr PathHolders kAudioWindowPaths{audio_window::kWindowId,
                                               {audio_window::编辑框1, audio_window::编辑框2, audio_window::编辑框3}};

// Each holder from its effect's setting, effect 1 first; the file is read afresh for each.
void loadCustomEffectPaths(WindowFramework& windows, const SettingsFile& settings, const PathHolders& holders);
// Effect n's (1..3) current path.
std::string customEffectPath(WindowFramework& windows, const PathHolders& holders, int n);
void setCustomEffectPath(WindowFramework& windows, const PathHolders& holders, int n, const std::string& path);
