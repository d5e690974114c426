// The lock tool over the real settings file: what 配置.ini can keep decides whether it locks.
#include <gtest/gtest.h>

#include "features/lock/lock_texts.h"
#include "features/lock/settings_password_store.h"
#include "tests/support/settings/memory_settings_storage.h"

namespace {

using namespace lock;

const std::string kFolder = "C:\\澜星";
const std::string kFile = kFolder + "\\配置.ini";

TEST(LockOverSettings, LocksWithThePasswordInTheFile) {
  MemorySettingsStorage storage;
  const SettingsFile settings(storage, kFolder);
  SettingsPasswordStore store(settings);
  LockTool tool(store);
  ASSERT_EQ(tool.confirm("挂机 123", "挂机 123").action, Step::Action::becomeLocked);
  EXPECT_EQ(storage.files[kFile], "[挂机工具]\r\n密码=挂机 123\r\n");
  storage.files[kFile] = "[挂机工具]\r\n密码=换了\r\n";
  EXPECT_EQ(tool.tryUnlock("挂机 123").action, Step::Action::showStatus);
  EXPECT_EQ(tool.tryUnlock("换了").action, Step::Action::close);
}

TEST(LockOverSettings, AnUnwritableFolderLocksNothing) {
  MemorySettingsStorage storage;
  storage.writable = false;
  const SettingsFile settings(storage, kFolder);
  SettingsPasswordStore store(settings);
  LockTool tool(store);
  EXPECT_EQ(tool.confirm("pw", "pw"), (Step{Step::Action::showMessage, kNotStoredText}));
  EXPECT_EQ(tool.state(), State::setting);
}

TEST(LockOverSettings, PasswordsTheFileWouldAlterLockNothing) {
  for (const std::string password : {" pw", "pw ", "\"pw\"", "\tpw"}) {
    MemorySettingsStorage storage;
    const SettingsFile settings(storage, kFolder);
    SettingsPasswordStore store(settings);
    LockTool tool(store);
    EXPECT_EQ(tool.confirm(password, password), (Step{Step::Action::showMessage, kNotKeptText})) << password;
    EXPECT_EQ(tool.state(), State::setting) << password;
  }
}

}  // namespace
