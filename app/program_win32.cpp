#include "app/program_win32.h"

#include <windows.h>
#include <ole2.h>

#include "features/settings_storage_win32.h"
#include "sound/player/effect_player_win32.h"
#include "ui/gbk_text_win32.h"

namespace {

ProgramPath path;
std::vector<double> globalArray;
std::vector<ShutdownStep> components;
bool ended = false;

SettingsFile settingsFile() {
  static SettingsStorageWin32 storage;
  return SettingsFile(storage, path.directory);
}

}  // namespace

void fixProgramPath() {
  wchar_t buffer[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  path = splitProgramPath(gbkFromWide(buffer));
  SetCurrentDirectoryW(wideFromGbk(path.directory).c_str());
}

const ProgramPath& programPath() { return path; }

std::string ReadSetting(std::string_view section, std::string_view key) {
  return settingsFile().ReadSetting(section, key);
}

bool WriteSetting(std::string_view section, std::optional<std::string_view> key,
                  std::optional<std::string_view> value) {
  return settingsFile().WriteSetting(section, key, value);
}

std::vector<double>& programArray() { return globalArray; }

void setComponentShutdown(ShutdownStep step) { components.push_back(step); }

void endProgram() {
  if (ended) return;
  ended = true;
  std::vector<double>().swap(globalArray);  // the exit hook
  for (ShutdownStep step : components) step();
  TheEffectPlayer().StopAndWait();  // every voice has closed its device before the process goes
  OleUninitialize();
}
