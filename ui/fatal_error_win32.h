#pragma once
// Fatal errors: the error box, then the program's ending sequence and exit code -1. The caller
// stops events first (WindowFramework::fail does), so no handler runs while the box is up.
#include <optional>
#include <string_view>

// What the program runs before it exits (the ending sequence).
using ProgramEnding = void (*)();

[[noreturn]] void FatalError(std::string_view message, ProgramEnding ending, std::optional<int> code = std::nullopt);
