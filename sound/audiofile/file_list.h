#pragma once
// The players' file list: texts each ended by one zero byte, the whole list by a second one.
#include <string>
#include <vector>

namespace audiofile {

// Empty names are left out: an empty text would end the list.
[[nodiscard]] std::string fileListFromNames(const std::vector<std::string>& names);
// Null reads as an empty list.
[[nodiscard]] std::vector<std::string> namesFromFileList(const char* list);

}  // namespace audiofile
