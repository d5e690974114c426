#include "features/settings.h"

#include <gtest/gtest.h>

#include "tests/unit/settings/memory_storage.h"

namespace {

const std::string kDir = "C:\\澜星";
const std::string kPath = kDir + "\\配置.ini";

TEST(Settings, PathIsTheProgramDirectoryPlusTheFileName) {
  MemoryStorage storage;
  EXPECT_EQ(SettingsFile(storage, kDir).path(), kPath);
}

TEST(Settings, MissingFileSectionOrKeyReadsEmptyAndCreatesNothing) {
  MemoryStorage storage;
  SettingsFile settings(storage, kDir);
  EXPECT_EQ(settings.ReadSetting("自定义音效1", "路径"), "");
  EXPECT_TRUE(storage.files.empty());
  storage.files[kPath] = "[自定义音效1]\r\n";
  EXPECT_EQ(settings.ReadSetting("自定义音效1", "路径"), "");
  EXPECT_EQ(settings.ReadSetting("挂机工具", "密码"), "");
}

TEST(Settings, LeadingControlBytesSkippedAndEmptyNamesNeverTouchTheFile) {
  MemoryStorage storage;
  storage.files[kPath] = "[a]\r\nk=v\r\n";
  SettingsFile settings(storage, kDir);
  EXPECT_EQ(settings.ReadSetting(" \t\x01"
                                 "a",
                                 "\x1f k"),
            "v");
  EXPECT_EQ(settings.ReadSetting(" \t", "k"), "");
  EXPECT_EQ(settings.ReadSetting("a", ""), "");
  EXPECT_EQ(storage.loads, 1);
  SettingsFile noDirectory(storage, "");
  EXPECT_EQ(noDirectory.ReadSetting("a", "k"), "") << "the path is then \\配置.ini, still read";
}

TEST(Settings, LongValuesComeBackCutTo10239Bytes) {
  MemoryStorage storage;
  SettingsFile settings(storage, kDir);
  const std::string longText(12000, 'x');
  ASSERT_TRUE(settings.WriteSetting("记事本", "内容", longText));
  EXPECT_EQ(settings.ReadSetting("记事本", "内容"), std::string(kLongestSettingValue, 'x'));
  ASSERT_TRUE(settings.WriteSetting("记事本", "内容", std::string(kLongestSettingValue, 'y')));
  EXPECT_EQ(settings.ReadSetting("记事本", "内容").size(), kLongestSettingValue);
}

TEST(Settings, WritesCreateTheFileAndEachValueReadsBack) {
  MemoryStorage storage;
  SettingsFile settings(storage, kDir);
  ASSERT_TRUE(settings.WriteSetting("自定义音效1", "路径", "D:\\音乐\\开场.mp3"));
  ASSERT_TRUE(settings.WriteSetting("记事本", "内容", "第一行（#换行符）第二行\r\n"));
  ASSERT_TRUE(settings.WriteSetting("声卡输出", "默认声卡输出", "Speakers (High Definition Audio Device)"));
  EXPECT_EQ(storage.files[kPath],
            "[自定义音效1]\r\n路径=D:\\音乐\\开场.mp3\r\n[记事本]\r\n内容=第一行（#换行符）第二行\r\n\r\n"
            "[声卡输出]\r\n默认声卡输出=Speakers (High Definition Audio Device)\r\n");
  EXPECT_EQ(settings.ReadSetting("自定义音效1", "路径"), "D:\\音乐\\开场.mp3");
}

TEST(Settings, OmittedKeyDeletesSectionAndOmittedValueDeletesKey) {
  MemoryStorage storage;
  SettingsFile settings(storage, kDir);
  ASSERT_TRUE(settings.WriteSetting("a", "k", "1"));
  ASSERT_TRUE(settings.WriteSetting("a", "j", "2"));
  ASSERT_TRUE(settings.WriteSetting("a", "k", std::nullopt));
  EXPECT_EQ(settings.ReadSetting("a", "k"), "");
  EXPECT_EQ(settings.ReadSetting("a", "j"), "2");
  ASSERT_TRUE(settings.WriteSetting("a", std::nullopt, std::nullopt));
  EXPECT_EQ(storage.files[kPath], "");
}

TEST(Settings, FailedWritesLoseNothing) {
  MemoryStorage storage;
  SettingsFile settings(storage, kDir);
  ASSERT_TRUE(settings.WriteSetting("挂机工具", "密码", "123"));
  storage.writable = false;
  EXPECT_FALSE(settings.WriteSetting("挂机工具", "密码", "456"));
  EXPECT_EQ(settings.ReadSetting("挂机工具", "密码"), "123");

  storage.writable = true;
  storage.readable = false;
  EXPECT_FALSE(settings.WriteSetting("记事本", "内容", "x")) << "an unreadable file is never overwritten";
  storage.readable = true;
  EXPECT_EQ(settings.ReadSetting("挂机工具", "密码"), "123");
}

TEST(Settings, NamelessSectionsAndKeysAreRefused) {
  MemoryStorage storage;
  SettingsFile settings(storage, kDir);
  EXPECT_FALSE(settings.WriteSetting("", "k", "v"));
  EXPECT_FALSE(settings.WriteSetting("a", "", "v"));
  EXPECT_TRUE(storage.files.empty());
}

TEST(Settings, DeletingFromAMissingFileCreatesNothing) {
  MemoryStorage storage;
  SettingsFile settings(storage, kDir);
  EXPECT_TRUE(settings.WriteSetting("a", "k", std::nullopt));
  EXPECT_TRUE(storage.files.empty());
}

}  // namespace
