// A Tab's child list split into pages, and which unit takes the focus when a page shows.
#include <gtest/gtest.h>

#include "ui/controls/tab_pages.h"

namespace {

TEST(TabPages, ZerosSeparatePages) {
  const std::uint32_t children[] = {3, 2, 1, 0, 6, 5, 0, 0, 9};
  const TabPages pages = pagesOf(children);
  EXPECT_EQ(pages, (TabPages{{3, 2, 1}, {6, 5}, {}, {9}}));
  EXPECT_EQ(pageOf(pages, 5), 1u);
  EXPECT_EQ(pageOf(pages, 9), 3u);
  EXPECT_EQ(pageOf(pages, 4), std::nullopt);
  EXPECT_EQ(pagesOf({}), TabPages{{}});
}

TEST(TabPages, FocusGoesToTheLowestFocusOrderTheFirstOnATie) {
  const std::vector<std::uint32_t> page = {11, 12, 13};
  const std::uint32_t allZero[] = {0, 0, 0}, lastLowest[] = {5, 4, 1}, middle[] = {3, 1, 1};
  EXPECT_EQ(focusOnShow(page, allZero), 11u);
  EXPECT_EQ(focusOnShow(page, lastLowest), 13u);
  EXPECT_EQ(focusOnShow(page, middle), 12u);
  EXPECT_EQ(focusOnShow({}, {}), std::nullopt);
}

}  // namespace
