#pragma once
#include <map>
#include <string>

#include "features/settings.h"

// Files in memory; a test can make the file unreadable or the folder unwritable.
class MemoryStorage final : public SettingsStorage {
 public:
  std::map<std::string, std::string> files;
  bool writable = true;
  bool readable = true;
  int loads = 0;

  StoredFile load(const std::string& path) override {
    ++loads;
    auto it = files.find(path);
    if (it == files.end()) return {StoredFile::State::missing, {}};
    if (!readable) return {StoredFile::State::unreadable, {}};
    return {StoredFile::State::read, it->second};
  }
  bool replace(const std::string& path, std::string_view bytes) override {
    if (!writable) return false;
    files[path] = std::string(bytes);
    return true;
  }
};
