#pragma once
// Program-wide state fixed at start: where the program lives, its settings file, the global array,
// and the ending sequence every way out of the program runs.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/program_path.h"

// Step 1 of start-up: the executable's directory and name; the directory becomes current.
void fixProgramPath();
const ProgramPath& programPath();

// The settings file 配置.ini in the program directory.
std::string ReadSetting(std::string_view section, std::string_view key);
bool WriteSetting(std::string_view section, std::optional<std::string_view> key,
                  std::optional<std::string_view> value);

// The program's one global array (the recorder window's samples); freed by the exit hook.
std::vector<double>& programArray();

// What a component (the tray icon, ...) does when the program ends.
using ShutdownStep = void (*)();
void setComponentShutdown(ShutdownStep step);

// The ending sequence: exit hook, components, all sound stopped with waiting, OLE. The icons the
// windows made went with their windows. Runs once; later calls do nothing.
void endProgram();
