#include "sound/audiofile/file_list.h"

#include <cstring>

namespace audiofile {

std::string fileListFromNames(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) {
    if (name.empty()) continue;
    list.append(name.c_str());  // a name cannot carry a zero byte of its own into the list
    list.push_back('\0');
  }
  list.push_back('\0');
  return list;
}

std::vector<std::string> namesFromFileList(const char* list) {
  std::vector<std::string> names;
  if (!list) return names;
  for (const char* name = list; *name; name += std::strlen(name) + 1) names.emplace_back(name);
  return names;
}

}  // namespace audiofile
