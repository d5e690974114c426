// The soundboard's shape as a whole: every page's fixed buttons, every effect bound exactly once
// (but the shared jingle), loops only among the drums; and the page buttons found by their place.
#include "soundboard/bindings/page_bindings.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Action = PageButtonBinding::Action;
using namespace audio_window;

TEST(PageBindings, EveryPageHasTheJingleFourthAndStopLast) {
  for (int page = 0; page < kPageCount; ++page) {
    const PageButtonBinding& jingle = pageButtonBinding(page, 4);
    EXPECT_TRUE(jingle.action == Action::playEffect && jingle.effect == 2 && !jingle.loop) << "page " << page;
    EXPECT_EQ(pageButtonBinding(page, 20).action, Action::stopOnly) << "page " << page;
  }
}

TEST(PageBindings, SixtyFourDistinctEffectsOnSixtySevenButtonsNineLoopingDrums) {
  std::map<int, int> uses;
  int stops = 0, nones = 0, loops = 0;
  for (int page = 0; page < kPageCount; ++page)
    for (int n = 1; n <= kButtonsPerPage; ++n) {
      const PageButtonBinding& b = pageButtonBinding(page, n);
      switch (b.action) {
        case Action::playEffect:
          ASSERT_GE(b.effect, 1);
          ASSERT_LE(b.effect, 64);
          ++uses[b.effect];
          if (b.loop) {
            ++loops;
            EXPECT_EQ(page, 0) << "only 常用鼓点 loops; button " << n;
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

TEST(PageBindings, LookUpByPageAndPosition) {
  EXPECT_EQ(pageButtonBinding(3, 1).effect, 7) << "主持必备1, 持续掌声";
  EXPECT_FALSE(pageButtonBinding(3, 1).loop);
  EXPECT_TRUE(pageButtonBinding(0, 1).loop) << "常用鼓点1";
  EXPECT_EQ(pageButtonBinding(0, 11).action, Action::none);
}

// The handler finds a clicked button's place from its unit id: every page button round-trips, and
// ids just outside the pages, between them, or of other units are no page button.
TEST(PageButtonPosition, EveryPageButtonAndNothingElse) {
  for (int page = 0; page < kPageCount; ++page)
    for (int n = 1; n <= kButtonsPerPage; ++n)
      EXPECT_EQ(pageButtonPosition(pageButton(page, n)), (PageButtonPosition{page, n})) << page << "/" << n;
  const struct {
    const char* what;
    std::uint32_t unit;
  } notButtons[] = {
      {"button 0 of page 1", pageButton(0, 0)},
      {"button 21 of page 1", pageButton(0, 21)},
      {"the last id before page 2", pageButton(1, 0) - 1},
      {"button 1 of a fifth page", pageButton(4, 1)},
      {"below the pages", kPageButtonBase - 1},
      {"类型1", 类型1},
      {"自定义音效1", 自定义音效1},
  };
  for (const auto& c : notButtons) EXPECT_FALSE(pageButtonPosition(c.unit)) << c.what;
}

}  // namespace
