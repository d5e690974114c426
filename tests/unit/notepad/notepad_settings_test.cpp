// The notepad's text through the real settings file: the line and the empty line 配置.ini holds.
#include <gtest/gtest.h>

#include "features/notepad/notepad_text.h"
#include "tests/support/settings/memory_settings_storage.h"

namespace {

const std::string kFolder = "C:\\澜星";
const std::string kFile = kFolder + "\\配置.ini";

TEST(NotepadOverSettings, ThreeLinesAreOneLineAndAnEmptyOne) {
  MemorySettingsStorage storage;
  const SettingsFile settings(storage, kFolder);
  const std::string text = "第一行\r\n第二行\r\n第三行";
  ASSERT_TRUE(settings.WriteSetting(notepad::kSection, notepad::kKey, notepad::storedForm(text)));
  EXPECT_EQ(storage.files[kFile], "[记事本]\r\n内容=第一行（#换行符）第二行（#换行符）第三行\r\n\r\n");
  EXPECT_EQ(notepad::shownForm(settings.ReadSetting(notepad::kSection, notepad::kKey)), text);
}

TEST(NotepadOverSettings, ManySavesLeaveTheFileAsOneSaveDoes) {
  MemorySettingsStorage storage;
  const SettingsFile settings(storage, kFolder);
  ASSERT_TRUE(settings.WriteSetting("自定义音效1", "路径", "D:\\开场.mp3"));
  const std::string text = "主持词\r\n\r\n结尾\r\n";
  ASSERT_TRUE(settings.WriteSetting(notepad::kSection, notepad::kKey, notepad::storedForm(text)));
  ASSERT_TRUE(settings.WriteSetting("声卡输出", "默认声卡输出", "Speakers"));
  const std::string afterOne = storage.files[kFile];
  for (int save = 0; save < 50; ++save) {
    const std::string reopened = notepad::shownForm(settings.ReadSettingWhole(notepad::kSection, notepad::kKey));
    ASSERT_EQ(reopened, text) << "save " << save;
    ASSERT_TRUE(settings.WriteSetting(notepad::kSection, notepad::kKey, notepad::storedForm(reopened)));
  }
  EXPECT_EQ(storage.files[kFile], afterOne);
}

TEST(NotepadOverSettings, HundredThousandBytesComeBackWhole) {
  MemorySettingsStorage storage;
  const SettingsFile settings(storage, kFolder);
  std::string text;
  for (int line = 0; text.size() < 100000; ++line) text += "第" + std::to_string(line) + "行：今晚的节目（#）\r\n";
  text.resize(100000);
  if (text.back() == '\r') text.back() = 'x';  // no half line break at the cut
  ASSERT_TRUE(settings.WriteSetting(notepad::kSection, notepad::kKey, notepad::storedForm(text)));
  EXPECT_EQ(notepad::shownForm(settings.ReadSettingWhole(notepad::kSection, notepad::kKey)), text);
  EXPECT_EQ(settings.ReadSetting(notepad::kSection, notepad::kKey).size(), kLongestSettingValue)
      << "every other reader keeps the limit";
}

TEST(NotepadOverSettings, BlanksAndQuotesAtTheEndsOfTheNotesAreKept) {
  MemorySettingsStorage storage;
  const SettingsFile settings(storage, kFolder);
  for (const std::string text : {"  缩进的第一行\r\n末尾的空格  ", "\"引号里的话\"", "'单引号'", "\t"}) {
    ASSERT_TRUE(settings.WriteSetting(notepad::kSection, notepad::kKey, notepad::storedForm(text)));
    EXPECT_EQ(notepad::shownForm(settings.ReadSettingWhole(notepad::kSection, notepad::kKey)), text);
  }
}

}  // namespace
