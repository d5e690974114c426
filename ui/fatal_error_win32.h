#pragma once
// Fatal errors: the error box, then the program's ending sequence and exit code -1.
#include <optional>
#include <string_view>

// What the program runs before it exits (the ending sequence); set once by start-up.
using ProgramEnding = void (*)();
void setProgramEnding(ProgramEnding ending);

[[noreturn]] void FatalError(std::string_view message, std::optional<int> code = std::nullopt);
