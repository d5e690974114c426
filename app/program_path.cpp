#include "app/program_path.h"

#include "ui/gbk.h"

ProgramPath splitProgramPath(std::string_view fullPath) {
  const gbk::SplitAtBackslash split = gbk::splitAtLastBackslash(fullPath);
  return {std::string(split.before), std::string(split.after)};
}

int countInstances(const std::vector<std::string>& runningExeNames, std::string_view exeName) {
  int count = 0;
  for (const std::string& name : runningExeNames)
    if (name == exeName) ++count;
  return count;
}
