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

}  // namespace
