#pragma once
// The settings file on disk: GBK paths opened through the wide API; a write goes to a temporary
// file beside the settings file and then takes its place, so no half-written file is ever left.
#include "features/settings.h"

class SettingsStorageWin32 final : public SettingsStorage {
 public:
  StoredFile load(const std::string& path) override;
  [[nodiscard]] bool replace(const std::string& path, std::string_view bytes) override;
};
