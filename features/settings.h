#pragma once
// The settings file 配置.ini beside the executable: one value read or written per call, the path
// built afresh each time, nothing cached. Portable; the file system comes in through SettingsStorage.
#include <optional>
#include <string>
#include <string_view>

#include "ui/whole_file.h"

// What reading the whole file gave.
using StoredFile = WholeFile;

class SettingsStorage {
 public:
  virtual ~SettingsStorage() = default;
  virtual StoredFile load(const std::string& path) = 0;
  // Puts `bytes` in place of the file in one step, so a failure leaves the old file whole.
  [[nodiscard]] virtual bool replace(const std::string& path, std::string_view bytes) = 0;
};

// A value read back is cut to this many bytes, as the 10240-byte read buffer allows.
inline constexpr std::size_t kLongestSettingValue = 10239;

class SettingsFile {
 public:
  SettingsFile(SettingsStorage& storage, std::string programDirectory)
      : storage_(storage), programDirectory_(std::move(programDirectory)) {}

  // Empty text for a missing file, section or key, and for an empty path, section or key.
  std::string ReadSetting(std::string_view section, std::string_view key) const;

  // The value however long, exactly as its line holds it (ini::findWholeValue): for the notepad,
  // whose notes are cut by nobody.
  std::string ReadSettingWhole(std::string_view section, std::string_view key) const;

  // Sets a value; no key deletes the section, no value deletes the key. False when the file could
  // not be read or written; the file is then as it was.
  bool WriteSetting(std::string_view section, std::optional<std::string_view> key,
                    std::optional<std::string_view> value) const;

  std::string path() const;

 private:
  // The file's text as GBK, when path, section and key are all there and the file could be read.
  std::optional<std::string> loadedText(std::string_view& section, std::string_view& key) const;

  SettingsStorage& storage_;
  std::string programDirectory_;
};
