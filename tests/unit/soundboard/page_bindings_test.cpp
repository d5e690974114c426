// The soundboard's shape as a whole: every page's fixed buttons, every effect bound exactly once
// (but the shared jingle), loops only among the drums.
#include "soundboard/bindings/page_bindings.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

using Action = PageButtonBinding::Action;
const char* const kPages[] = {"常用鼓点", "人物配音", "日常音效", "主持必备"};

TEST(PageBindings, EachPageHasTwentyButtonsInOrderWithTheJingleFourthAndStopLast) {
  const auto& all = pageButtonBindings();
  for (int page = 0; page < 4; ++page) {
    for (int k = 1; k <= 20; ++k) {
      const PageButtonBinding& b = all[static_cast<std::size_t>(page * 20 + k - 1)];
      EXPECT_EQ(b.unit, std::string(kPages[page]) + std::to_string(k));
      if (k == 4) {
        EXPECT_TRUE(b.action == Action::playEffect && b.effect == 2 && !b.loop) << b.unit;
      }
      if (k == 20) {
        EXPECT_EQ(b.action, Action::stopOnly) << b.unit;
      }
    }
  }
}

TEST(PageBindings, SixtyFourDistinctEffectsOnSixtySevenButtonsNineLoopingDrums) {
  std::map<int, int> uses;
  int stops = 0, nones = 0, loops = 0;
  for (const PageButtonBinding& b : pageButtonBindings()) {
    switch (b.action) {
      case Action::playEffect:
        ASSERT_GE(b.effect, 1);
        ASSERT_LE(b.effect, 64);
        ++uses[b.effect];
        if (b.loop) {
          ++loops;
          EXPECT_EQ(b.unit.substr(0, std::string("常用鼓点").size()), "常用鼓点") << b.unit;
        }
        break;
      case Action::stopOnly: ++stops; break;
      case Action::none: ++nones; break;
    }
  }
  EXPECT_EQ(uses.size(), 64u);
  for (const auto& [effect, count] : uses) EXPECT_EQ(count, effect == 2 ? 4 : 1) << "FX-" << effect;
  EXPECT_EQ(loops, 9);
  EXPECT_EQ(stops, 4);
  EXPECT_EQ(nones, 9);
}

TEST(PageBindings, LookUpByUnitName) {
  const auto applause = pageButtonBinding("主持必备1");
  ASSERT_TRUE(applause);
  EXPECT_EQ(applause->effect, 7);
  EXPECT_FALSE(applause->loop);
  const auto drum = pageButtonBinding("常用鼓点1");
  ASSERT_TRUE(drum);
  EXPECT_TRUE(drum->loop);
  EXPECT_EQ(pageButtonBinding("常用鼓点11")->action, Action::none);
  EXPECT_FALSE(pageButtonBinding("类型1"));
  EXPECT_FALSE(pageButtonBinding("主持必备21"));
}

}  // namespace
