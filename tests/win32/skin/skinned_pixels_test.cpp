// What a skinned control shows on the screen under Wine: the painters' pixels wherever the text
// does not reach, following the pointer, the press and the enabled state; the system's own look
// once the skin is off.
#include <gtest/gtest.h>

#include <vector>

#include "tests/win32/skin/skin_test_windows.h"
#include "ui/skin/check_box_painter.h"
#include "ui/skin/control_skin_win32.h"
#include "ui/skin/push_button_painter.h"

namespace {

constexpr int kWidth = 75, kHeight = 23;

skin::SystemColours systemColours() {
  return {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_GRAYTEXT)};
}

class SkinnedPixelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    top = testTopLevel();
    ASSERT_TRUE(top);
    pumpMessages();
  }
  void TearDown() override {
    (void)SetSkinScheme(0);
    top.reset();
    pumpMessages();
  }
  HWND visibleControl(DWORD style, const wchar_t* text) {
    HWND w = childControl(top.get(), L"Button", style | WS_VISIBLE, text, {10, 10, 10 + kWidth, 10 + kHeight});
    UpdateWindow(w);
    return w;
  }

  OwnedWindow top;
};

COLORREF screenPixel(HWND w, int x, int y) { return ScreenPicture(w).at(x, y); }

// The pixels outside the text's box (where the painter alone draws) that differ from the
// painter's picture; polled, since the repaint follows the message.
int mismatchesOutsideText(HWND w, int scheme, skin::Flags flags) {
  std::vector<std::uint32_t> pixels(kWidth * kHeight);
  skin::Canvas expected(pixels, kWidth, kHeight);
  const skin::Rect text =
      skin::paintPushButton(expected, scheme, flags, GetWindowLongW(w, GWL_STYLE), systemColours()).box;
  const ScreenPicture shown(w);
  int wrong = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const bool inText = x >= text.left && x < text.right && y >= text.top && y < text.bottom;
      if (!inText && shown.at(x, y) != expected.at(x, y)) ++wrong;
    }
  return wrong;
}

bool showsPushButton(HWND w, int scheme, skin::Flags flags) {
  return pumpUntil([&] { return mismatchesOutsideText(w, scheme, flags) == 0; });
}

TEST_F(SkinnedPixelsTest, PushButtonStatesOfSchemeTwoOnTheScreen) {
  HWND button = visibleControl(BS_PUSHBUTTON, L"确认");
  const COLORREF systemBorder = screenPixel(button, 5, 1);
  ASSERT_TRUE(SetSkinScheme(2));
  EXPECT_TRUE(showsPushButton(button, 2, 0));
  EXPECT_EQ(screenPixel(button, 5, 1), 0x066237u) << "scheme 2's border";

  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(showsPushButton(button, 2, skin::hover)) << "the orange hover ring";
  SendMessageW(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(showsPushButton(button, 2, 0)) << "gone with the pointer";

  SendMessageW(button, BM_SETSTATE, TRUE, 0);
  EXPECT_TRUE(showsPushButton(button, 2, skin::pushed));
  SendMessageW(button, BM_SETSTATE, FALSE, 0);

  EnableWindow(button, FALSE);
  EXPECT_TRUE(showsPushButton(button, 2, skin::disabled));
  EXPECT_EQ(screenPixel(button, 5, 1), skin::minus24(GetSysColor(COLOR_BTNFACE), 0x202020));

  ASSERT_TRUE(SetSkinScheme(0));
  EnableWindow(button, TRUE);
  EXPECT_TRUE(pumpUntil([&] { return screenPixel(button, 5, 1) == systemBorder; })) << "the system's look again";
}

TEST_F(SkinnedPixelsTest, ADisabledTickedCheckBoxIsGreyWithAWhiteBox) {
  HWND box = visibleControl(BS_AUTOCHECKBOX | WS_DISABLED, L"置顶");
  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  ASSERT_TRUE(SetSkinScheme(2));
  std::vector<std::uint32_t> pixels(kWidth * kHeight);
  skin::Canvas expected(pixels, kWidth, kHeight);
  (void)skin::paintCheckBox(expected, skin::disabled | skin::ticked, GetWindowLongW(box, GWL_STYLE), systemColours(),
                            0);
  const skin::Rect mark = skin::markRect(expected.bounds(), GetWindowLongW(box, GWL_STYLE));
  const auto markMismatches = [&] {
    const ScreenPicture shown(box);
    int wrong = 0;
    for (int y = mark.top; y < mark.bottom; ++y)
      for (int x = mark.left; x < mark.right; ++x) wrong += shown.at(x, y) != expected.at(x, y);
    return wrong;
  };
  EXPECT_TRUE(pumpUntil([&] { return markMismatches() == 0; }));
  EXPECT_EQ(screenPixel(box, mark.left, mark.top), skin::minus24(GetSysColor(COLOR_BTNFACE), 0x202020));
  EXPECT_EQ(screenPixel(box, mark.left + 1, mark.top + 1), 0xFFFFFFu);
  EXPECT_EQ(screenPixel(box, mark.left + 3, mark.top + 3 + 2), skin::kDisabledTick) << "the tick's first stroke";
}

}  // namespace
