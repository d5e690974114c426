#pragma once
// Program-wide state fixed at start: where the program lives, and the ending sequence every way
// out of the program runs.
#include "app/program_path.h"

// First thing at start-up: the executable's directory and name; the directory becomes current.
void fixProgramPath();
const ProgramPath& programPath();

// What a component (the tray icon, ...) does when the program ends.
using ShutdownStep = void (*)();
void setComponentShutdown(ShutdownStep step);

// The ending sequence: components, all sound stopped with waiting, OLE. The icons the windows made
// went with their windows. Runs once; later calls do nothing.
void endProgram();
