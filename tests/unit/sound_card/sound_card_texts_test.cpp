// The sound-card strip's texts, checked as GBK bytes, and the device 检测 names.
#include <gtest/gtest.h>

#include "audio/sound_card/sound_card_texts.h"

namespace {

using namespace sound_card;

const std::string kPromptBytes =
    "\xBC\xEC\xB2\xE2\xB2\xA2\xC8\xB7\xC8\xCF\xA3\xAC\xBD\xF8\xC8\xEB\xB2\xBB\xBF\xA8\xC2\xF3\xC4\xA3\xCA\xBD";

TEST(SoundCardTexts, TheBoxShowsThePromptUntilSomethingIsStored) {
  EXPECT_EQ(kPrompt, kPromptBytes);
  EXPECT_EQ(shownAtOpening(""), kPromptBytes);
  EXPECT_EQ(shownAtOpening("Realtek"), "Realtek");
  EXPECT_EQ(shownAtOpening(kPromptBytes), kPromptBytes) << "a confirmed prompt is shown as stored";
}

TEST(SoundCardTexts, ConfirmingThePromptSaysNothingWasDetected) {
  EXPECT_EQ(confirmation(kPrompt),
            (Message{"\xCC\xE1\xCA\xBE\xA3\xBA",
                     "\xC4\xFA\xBB\xB9\xCE\xB4\xBC\xEC\xB2\xE2\xC9\xF9\xBF\xA8\xCA\xE4\xB3\xF6\xC9\xE8\xB1\xB8"}));
  EXPECT_EQ(confirmation(kPromptBytes + " ").title, "声卡信息：") << "only the prompt exactly";
}

TEST(SoundCardTexts, ConfirmingANameNamesItTwice) {
  const std::string before = "\x20\x20\x20\x20\xC4\xFA\xD2\xD1\xD1\xA1\xD4\xF1\xA3\xBA";
  const std::string middle =
      "\x20\x20\xD7\xF7\xCE\xAA\xC4\xAC\xC8\xCF\xC9\xF9\xBF\xA8\xA3\xAC\xD7\xD4\xB6\xAF\xBD\xF8\xC8\xEB\xB2\xBB\xBF\xA8"
      "\xC2\xF3\xC4\xA3\xCA\xBD\x0D\x0A\x0D\x0A\xC8\xF4";
  const std::string after =
      "\x20\x20\xB2\xBB\xCA\xC7\xC4\xFA\xD5\xFD\xD4\xDA\xCA\xB9\xD3\xC3\xB5\xC4\xC9\xF9\xBF\xA8\xA3\xAC\xC7\xEB\xBD\xF8"
      "\xC8\xEB\xC9\xF9\xD2\xF4\xBA\xCD\xD2\xF4\xC6\xB5\xC9\xE8\xB1\xB8\xD6\xD0\xC9\xE8\xD6\xC3";
  const std::string title = "\xC9\xF9\xBF\xA8\xD0\xC5\xCF\xA2\xA3\xBA";
  for (const std::string name : {"Wine 声卡 (ALSA)", "", "用户自己输入的"})
    EXPECT_EQ(confirmation(name), (Message{title, before + name + middle + name + after})) << name;
}

TEST(SoundCardTexts, StoredUnderItsSectionAndKey) {
  EXPECT_EQ(kSection, "\xC9\xF9\xBF\xA8\xCA\xE4\xB3\xF6");
  EXPECT_EQ(kKey, "\xC4\xAC\xC8\xCF\xC9\xF9\xBF\xA8\xCA\xE4\xB3\xF6");
}

TEST(SoundCardDevice, TheMapperPreferredDeviceElseTheFirst) {
  struct Case {
    const char* name;
    std::optional<unsigned> preferred;
    unsigned count;
    std::optional<unsigned> named;
  };
  const Case cases[] = {
      {"preferred second device", 1u, 3, 1u},
      {"system cannot say", std::nullopt, 3, 0u},
      {"preferred out of range", 5u, 2, 0u},
      {"no devices", std::nullopt, 0, std::nullopt},
      {"no devices, stale preference", 0u, 0, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(detectedDevice(c.preferred, c.count), c.named) << c.name;
}

}  // namespace
