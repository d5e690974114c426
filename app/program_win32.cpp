#include "app/program_win32.h"

#include <windows.h>
#include <ole2.h>

#include <vector>

#include "sound/player/effect_player_win32.h"
#include "ui/gbk_text_win32.h"

namespace {

ProgramPath path;
std::vector<ShutdownStep> components;
bool ended = false;

}  // namespace

void fixProgramPath() {
  wchar_t buffer[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  path = splitProgramPath(gbkFromWide(buffer));
  SetCurrentDirectoryW(wideFromGbk(path.directory).c_str());
}

const ProgramPath& programPath() { return path; }

void setComponentShutdown(ShutdownStep step) { components.push_back(step); }

void endProgram() {
  if (ended) return;
  ended = true;
  for (ShutdownStep step : components) step();
  TheEffectPlayer().StopAndWait();  // every voice has closed its device before the process goes
  OleUninitialize();
}
