#include "app/program_path.h"

#include "ui/gbk.h"

ProgramPath splitProgramPath(std::string_view fullPath) {
  // Walk whole characters: a double-byte character's trail byte may be 0x5C and is no backslash.
  std::size_t slash = std::string_view::npos;
  for (std::size_t at = 0; at < fullPath.size(); at += gbk::charLength(fullPath, at))
    if (fullPath[at] == '\\') slash = at;
  if (slash == std::string_view::npos) return {{}, std::string(fullPath)};
  return {std::string(fullPath.substr(0, slash)), std::string(fullPath.substr(slash + 1))};
}

int countInstances(const std::vector<std::string>& runningExeNames, std::string_view exeName) {
  int count = 0;
  for (const std::string& name : runningExeNames)
    if (name == exeName) ++count;
  return count;
}
