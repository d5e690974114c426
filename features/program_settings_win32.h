#pragma once
// 配置.ini in the program directory on the real system: what handlers read and write settings
// through (`ReadSetting`, `WriteSetting` of SettingsFile).
#include <string>
#include <utility>

#include "features/settings.h"
#include "features/settings_storage_win32.h"

class ProgramSettings {
 public:
  explicit ProgramSettings(std::string programDirectory) : file_(storage_, std::move(programDirectory)) {}
  ProgramSettings(const ProgramSettings&) = delete;
  ProgramSettings& operator=(const ProgramSettings&) = delete;

  const SettingsFile& file() const { return file_; }

 private:
  SettingsStorageWin32 storage_;
  SettingsFile file_;
};
