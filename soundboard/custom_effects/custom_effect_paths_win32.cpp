#include "soundboard/custom_effects/custom_effect_paths_win32.h"

#include "ui/types/unit_types_win32.h"

namespace {
std::uint32_t holderOf(const PathHolders& holders, int n) { return holders.units.at(static_cast<std::size_t>(n - 1)); }
}  // namespace

void loadCustomEffectPaths(WindowFramework& windows, const SettingsFile& settings, const PathHolders& holders) {
  for (int n = 1; n <= kCustomEffectCount; ++n)
    setCustomEffectPath(windows, holders, n, settings.ReadSetting(customEffectSection(n), kCustomEffectKey));
}

std::string customEffectPath(WindowFramework& windows, const PathHolders& holders, int n) {
  return std::get<std::string>(windows.GetProperty(holders.windowId, holderOf(holders, n), edit_box_property::text));
}

void setCustomEffectPath(WindowFramework& windows, const PathHolders& holders, int n, const std::string& path) {
  windows.SetProperty(holders.windowId, holderOf(holders, n), edit_box_property::text, path);
}
