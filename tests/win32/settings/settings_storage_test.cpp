// The settings file on a real Windows file system: GBK paths, replacement in one step, failures
// that lose nothing.
#include "features/settings_storage_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win32/settings/temp_folder_win32.h"

namespace {

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(SettingsStorageWin32, ChineseFolderRoundTripAndNoTemporaryLeft) {
  TempFolder base;
  const std::wstring folder = base.wide() + L"\\" + wideFromGbk("澜星 工具");
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  SettingsStorageWin32 storage;
  SettingsFile settings(storage, gbkFromWide(folder));

  EXPECT_EQ(settings.ReadSetting("自定义音效1", "路径"), "");
  EXPECT_FALSE(exists(folder + L"\\" + wideFromGbk("配置.ini"))) << "reading creates no file";

  ASSERT_TRUE(settings.WriteSetting("自定义音效1", "路径", "D:\\音乐\\开场.mp3"));
  ASSERT_TRUE(settings.WriteSetting("记事本", "内容", "第一行（#换行符）第二行\r\n"));
  EXPECT_EQ(settings.ReadSetting("自定义音效1", "路径"), "D:\\音乐\\开场.mp3");
  EXPECT_EQ(settings.ReadSetting("记事本", "内容"), "第一行（#换行符）第二行");

  const std::wstring file = folder + L"\\" + wideFromGbk("配置.ini");
  EXPECT_FALSE(exists(file + L".tmp"));
  const StoredFile stored = storage.load(gbkFromWide(file));
  ASSERT_EQ(stored.state, StoredFile::State::read);
  EXPECT_EQ(stored.bytes,
            "[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n[记事本]\r\n内容=第一行（#换行符）第二行\r\n\r\n");

  // The system reads our file exactly as we do.
  char buffer[256];
  GetPrivateProfileStringA("自定义音效1", "路径", "", buffer, sizeof buffer, gbkFromWide(file).c_str());
  EXPECT_STREQ(buffer, "D:\\音乐\\开场.mp3");
  DeleteFileW(file.c_str());
  RemoveDirectoryW(folder.c_str());
}

TEST(SettingsStorageWin32, MissingFolderFailsQuietly) {
  TempFolder base;
  SettingsStorageWin32 storage;
  SettingsFile settings(storage, base.gbk() + "\\不存在");
  EXPECT_FALSE(settings.WriteSetting("挂机工具", "密码", "123"));
  EXPECT_EQ(settings.ReadSetting("挂机工具", "密码"), "");
}

TEST(SettingsStorageWin32, ASettingsFileThatCannotBeReplacedKeepsItsContent) {
  TempFolder base;
  SettingsStorageWin32 storage;
  SettingsFile settings(storage, base.gbk());
  ASSERT_TRUE(settings.WriteSetting("挂机工具", "密码", "123"));
  // A folder in the temporary file's place makes the write fail part way.
  const std::wstring temporary = base.wide() + L"\\" + wideFromGbk("配置.ini") + L".tmp";
  ASSERT_TRUE(CreateDirectoryW(temporary.c_str(), nullptr));
  EXPECT_FALSE(settings.WriteSetting("挂机工具", "密码", "456"));
  EXPECT_EQ(settings.ReadSetting("挂机工具", "密码"), "123");
  RemoveDirectoryW(temporary.c_str());
}

TEST(SettingsStorageWin32, AFolderInTheFilesPlaceIsUnreadableNotMissing) {
  TempFolder base;
  const std::wstring file = base.wide() + L"\\" + wideFromGbk("配置.ini");
  ASSERT_TRUE(CreateDirectoryW(file.c_str(), nullptr));
  SettingsStorageWin32 storage;
  EXPECT_EQ(storage.load(gbkFromWide(file)).state, StoredFile::State::unreadable);
  EXPECT_FALSE(SettingsFile(storage, base.gbk()).WriteSetting("a", "k", "v"));
  RemoveDirectoryW(file.c_str());
}

}  // namespace
