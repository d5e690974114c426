#pragma once
// The program's directory and executable name, and the single-instance count over a process list.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct ProgramPath {
  std::string directory;  // without a trailing backslash; empty when the path has none
  std::string exeName;
};

// Splits at the last backslash.
ProgramPath splitProgramPath(std::string_view fullPath);

// Processes whose executable name equals ours byte for byte, letter case included.
int countInstances(const std::vector<std::string>& runningExeNames, std::string_view exeName);
