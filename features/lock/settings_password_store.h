#pragma once
// The lock tool's password in 配置.ini, section 挂机工具, key 密码, read afresh at every call.
#include "features/lock/lock_texts.h"
#include "features/lock/lock_tool.h"
#include "features/settings.h"

namespace lock {

class SettingsPasswordStore final : public PasswordStore {
 public:
  explicit SettingsPasswordStore(const SettingsFile& settings) : settings_(settings) {}
  bool write(std::string_view password) override { return settings_.WriteSetting(kSection, kKey, password); }
  std::string read() override { return settings_.ReadSetting(kSection, kKey); }

 private:
  const SettingsFile& settings_;
};

}  // namespace lock
