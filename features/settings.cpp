#include "features/settings.h"

#include "features/ini_text.h"
#include "features/settings_text.h"

namespace {

// Leading bytes of 0x20 and below are dropped from path, section and key before use.
std::string_view withoutLeadingControls(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= 0x20) s.remove_prefix(1);
  return s;
}

}  // namespace

std::string SettingsFile::path() const { return programDirectory_ + "\\配置.ini"; }

std::optional<std::string> SettingsFile::loadedText(std::string_view& section, std::string_view& key) const {
  const std::string fullPath = path();
  const std::string_view file = withoutLeadingControls(fullPath);
  section = withoutLeadingControls(section);
  key = withoutLeadingControls(key);
  if (file.empty() || section.empty() || key.empty()) return std::nullopt;
  StoredFile stored = storage_.load(std::string(file));
  if (stored.state != StoredFile::State::read) return std::nullopt;
  return SettingsText(std::move(stored.bytes)).gbk();
}

std::string SettingsFile::ReadSetting(std::string_view section, std::string_view key) const {
  const std::optional<std::string> text = loadedText(section, key);
  if (!text) return {};
  std::string value = ini::findValue(*text, section, key).value_or(std::string());
  if (value.size() > kLongestSettingValue) value.resize(kLongestSettingValue);
  return value;
}

std::string SettingsFile::ReadSettingWhole(std::string_view section, std::string_view key) const {
  const std::optional<std::string> text = loadedText(section, key);
  if (!text) return {};
  return ini::findWholeValue(*text, section, key).value_or(std::string());
}

bool SettingsFile::WriteSetting(std::string_view section, std::optional<std::string_view> key,
                                std::optional<std::string_view> value) const {
  // A nameless section or key has no line of its own to live on.
  if (section.empty() || (key && key->empty())) return false;
  const std::string fullPath = path();
  StoredFile stored = storage_.load(fullPath);
  // Rewriting a file that exists but could not be read would lose everything else in it.
  if (stored.state == StoredFile::State::unreadable) return false;
  const bool existed = stored.state == StoredFile::State::read;
  const SettingsText text(std::move(stored.bytes));
  const ini::Edit edit = !key     ? ini::removingSection(text.gbk(), section)
                         : !value ? ini::removingKey(text.gbk(), section, *key)
                                  : ini::settingValue(text.gbk(), section, *key, *value);
  const std::string updated = text.bytesAfter(edit);
  const bool unchanged = updated == text.bytes() && (existed || !value);
  if (unchanged) return true;
  return storage_.replace(fullPath, updated);
}
