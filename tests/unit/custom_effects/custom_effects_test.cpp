#include "soundboard/custom_effects/custom_effects.h"

#include <gtest/gtest.h>

namespace {

TEST(CustomEffects, HotkeyNoticesMapToTheirKeysInOrder) {
  const std::array<int, 4> allFree{33001, 33002, 33003, 33004};
  const std::array<int, 4> f2Taken{33001, 0, 33003, 33004};
  const struct {
    const std::array<int, 4>* ids;
    int notice;
    HotkeyAction::Kind kind;
    int effect;
  } cases[] = {
      {&allFree, 33001, HotkeyAction::playCustomEffect, 1},
      {&allFree, 33002, HotkeyAction::playCustomEffect, 2},
      {&allFree, 33003, HotkeyAction::playCustomEffect, 3},
      {&allFree, 33004, HotkeyAction::stopAll, 0},
      {&allFree, 33005, HotkeyAction::none, 0},
      {&f2Taken, 0, HotkeyAction::none, 0},
      {&f2Taken, 33002, HotkeyAction::none, 0},
      {&f2Taken, 33003, HotkeyAction::playCustomEffect, 3},
  };
  for (const auto& c : cases) {
    const HotkeyAction a = actionForHotkey(*c.ids, c.notice);
    EXPECT_EQ(a.kind, c.kind) << c.notice;
    EXPECT_EQ(a.effect, c.effect) << c.notice;
  }
}

TEST(CustomEffects, SectionsAndHintsNameTheirEffect) {
  EXPECT_EQ(customEffectSection(3), "自定义音效3");
  EXPECT_EQ(hotkeyHintText(2), "请在澜星音频助手中右键自定义音效2选择音频路径");
}

}  // namespace
