#pragma once
// 配置.ini kept in memory for tests of the settings' users; the folder can be made unwritable.
#include <map>
#include <string>

#include "features/settings.h"

class MemorySettingsStorage final : public SettingsStorage {
 public:
  std::map<std::string, std::string> files;
  bool writable = true;
  int writes = 0;  // attempts, failed ones too

  StoredFile load(const std::string& path) override {
    const auto found = files.find(path);
    return found == files.end() ? StoredFile{} : StoredFile{StoredFile::State::read, found->second};
  }
  bool replace(const std::string& path, std::string_view bytes) override {
    ++writes;
    if (writable) files[path] = bytes;
    return writable;
  }
};
