// The standard controls in their windows: buttons click and report right-button releases, the
// combo boxes raise "item chosen" only for the user and only once settled, timers tick and stop,
// the lock tool's password input, the chart's limits and the dialogs' remembered names.
#include <gtest/gtest.h>

#include "assets/windows/audio_window_ids.h"
#include "assets/windows/lock_window_ids.h"
#include "assets/windows/recorder_window_ids.h"
#include "loaded_windows.h"
#include "ui/format/events.h"
#include "ui/types/unit_types_win32.h"

namespace {

class Controls : public LoadedWindowsTest {
 protected:
  void SetUp() override {
    LoadedWindowsTest::SetUp();
    ASSERT_TRUE(open(audio_window::kWindowId));
    ASSERT_TRUE(open(recorder_window::kWindowId));
    ASSERT_TRUE(open(lock_window::kWindowId));
    recorded.clear();
  }
  std::int32_t number(std::uint32_t window, std::uint32_t id, int property) {
    return std::get<std::int32_t>(testWindows().GetProperty(window, id, property));
  }
};

TEST_F(Controls, ButtonsClickTheirHandlersWhereverTheyStand) {
  using namespace audio_window;
  // in the window, in a frame, on a page of the Tab
  for (std::uint32_t id : {std::uint32_t{置顶1}, std::uint32_t{类型2}, pageButton(0, 1), pageButton(0, 20)})
    SendMessageW(unit(kWindowId, id), BM_CLICK, 0, 0);
  EXPECT_TRUE(pumpUntil([] { return recorded.size() == 4; }));
  ASSERT_EQ(recorded.size(), 4u);
  EXPECT_EQ(recorded[0].handler, handlerReference(Handler::toggleAudioOnTop));
  EXPECT_EQ(recorded[1].handler, handlerReference(Handler::showPage2));
  EXPECT_EQ(recorded[2].handler, handlerReference(Handler::playPageEffect));
  EXPECT_EQ(recorded[2].unit, pageButton(0, 1));
  EXPECT_EQ(recorded[3].handler, handlerReference(Handler::stopAllSound));
  for (const RecordedEvent& r : recorded) EXPECT_EQ(r.event, event::click);
  SendMessageW(unit(kWindowId, pageButton(0, 11)), BM_CLICK, 0, 0);  // 未添加: nothing bound
  EXPECT_EQ(recorded.size(), 4u);
}

TEST_F(Controls, ARightButtonReleaseOnACustomEffectIsNotAClick) {
  HWND button = unit(audio_window::kWindowId, audio_window::自定义音效1);
  PostMessageW(button, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  PostMessageW(button, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(pumpUntil([] { return timesReached(Handler::chooseCustomEffect1) == 1; }));
  EXPECT_EQ(recorded.back().event, event::rightUp);
  EXPECT_EQ(timesReached(Handler::playCustomEffect1), 0u);
}

TEST_F(Controls, ButtonStylesDefaultPushAndWrapping) {
  using namespace audio_window;
  for (std::uint32_t id : {std::uint32_t{类型1}, std::uint32_t{类型4}, std::uint32_t{退出1}, pageButton(3, 7)}) {
    const LONG style = GetWindowLongW(unit(kWindowId, id), GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, (id == 类型1 || id == 类型4) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) << id;
    EXPECT_TRUE(style & BS_MULTILINE) << id;
  }
}

TEST_F(Controls, ComboBoxItemsAndValuesAndChosenOnlyByTheUser) {
  using namespace recorder_window;
  EXPECT_EQ(number(kWindowId, 组合框1, combo_box_property::itemCount), 2);
  EXPECT_EQ(number(kWindowId, 组合框2, combo_box_property::itemCount), 4);
  EXPECT_EQ(number(kWindowId, 组合框3, combo_box_property::itemCount), 2);
  testWindows().SetProperty(kWindowId, 组合框2, combo_box_property::currentValue, std::int32_t{22050});
  EXPECT_EQ(number(kWindowId, 组合框2, combo_box_property::currentIndex), 2);
  testWindows().SetProperty(kWindowId, 组合框3, combo_box_property::currentIndex, std::int32_t{1});
  EXPECT_EQ(number(kWindowId, 组合框3, combo_box_property::currentValue), 16);
  RECT r;
  GetWindowRect(unit(kWindowId, 组合框1), &r);
  EXPECT_GE(r.bottom - r.top, 20) << "closed, the list is about the unit's height";
  EXPECT_LE(r.bottom - r.top, 24);
  pumpPending();
  EXPECT_EQ(timesReached(Handler::recordFormatChosen), 0u) << "the program's own changes";

  HWND combo = unit(kWindowId, 组合框2);
  SendMessageW(combo, CB_SETCURSEL, 3, 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELENDOK),
               reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(timesReached(Handler::recordFormatChosen), 0u) << "posted, not raised at once";
  ASSERT_TRUE(pumpUntil([] { return timesReached(Handler::recordFormatChosen) == 1; }));
  EXPECT_EQ(recorded.back().unit, 组合框2);
  EXPECT_EQ(recorded.back().event, event::itemChosen);
  EXPECT_EQ(number(kWindowId, 组合框2, combo_box_property::currentValue), 44100);
}

TEST_F(Controls, TimersTickAtTheirIntervalAndZeroStopsThem) {
  using namespace recorder_window;
  EXPECT_EQ(number(kWindowId, 时间时钟, timer_property::interval), 0);
  pumpPending();
  EXPECT_EQ(timesReached(Handler::elapsedTimeTick), 0u) << "off at load";
  testWindows().SetProperty(kWindowId, 时间时钟, timer_property::interval, std::int32_t{20});
  ASSERT_TRUE(pumpUntil([] { return timesReached(Handler::elapsedTimeTick) >= 3; }));
  EXPECT_EQ(recorded.back().event, event::tick);
  testWindows().SetProperty(kWindowId, 时间时钟, timer_property::interval, std::int32_t{0});
  const std::size_t ticks = timesReached(Handler::elapsedTimeTick);
  EXPECT_FALSE(pumpUntil([&] { return timesReached(Handler::elapsedTimeTick) != ticks; }, 200))
      << "a tick after the interval went to 0";
  EXPECT_EQ(timesReached(Handler::waveformTick), 0u);
}

TEST_F(Controls, PasswordInputSwitchesAtRunTime) {
  using namespace lock_window;
  HWND edit = unit(kWindowId, 编辑框1);
  EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), 0);
  testWindows().SetProperty(kWindowId, 编辑框1, edit_box_property::inputMode, std::int32_t{2});
  EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_EQ(number(kWindowId, 编辑框1, edit_box_property::inputMode), 2);
  testWindows().SetProperty(kWindowId, 编辑框1, edit_box_property::inputMode, std::int32_t{0});
  EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), 0);
  EXPECT_TRUE(GetWindowLongW(unit(audio_window::kWindowId, audio_window::声卡输出框1), GWL_STYLE) & ES_READONLY);
}

TEST_F(Controls, TheChartHoldsItsLimitsAndTellsItsBackground) {
  using namespace recorder_window;
  const std::int32_t background = number(kWindowId, 曲线图控件1, line_chart_property::backgroundColour);
  testWindows().SetProperty(kWindowId, 曲线图控件1, line_chart_property::textColour, background);
  EXPECT_EQ(number(kWindowId, 曲线图控件1, line_chart_property::textColour), background);
  testWindows().SetProperty(kWindowId, 曲线图控件1, line_chart_property::pointCount, std::int32_t{2048});
  EXPECT_EQ(number(kWindowId, 曲线图控件1, line_chart_property::pointCount), 100);
  testWindows().SetProperty(kWindowId, 曲线图控件1, line_chart_property::currentPoint, std::int32_t{150});
  EXPECT_EQ(number(kWindowId, 曲线图控件1, line_chart_property::currentPoint), 0);
  testWindows().SetProperty(kWindowId, 曲线图控件1, line_chart_property::currentValue, std::int32_t{-300});
  EXPECT_EQ(number(kWindowId, 曲线图控件1, line_chart_property::currentValue), 0);
}

TEST_F(Controls, FileDialogsRememberTheirNames) {
  EXPECT_EQ(std::get<std::string>(testWindows().GetProperty(recorder_window::kWindowId, recorder_window::通用对话框,
                                                            common_dlg_property::fileName)),
            "*.wav");
  EXPECT_EQ(std::get<std::string>(testWindows().GetProperty(recorder_window::kWindowId, recorder_window::通用对话框,
                                                            common_dlg_property::filter)),
            "声音文件|*.wav");
  EXPECT_EQ(std::get<std::string>(testWindows().GetProperty(audio_window::kWindowId, audio_window::通用对话框1,
                                                            common_dlg_property::fileName)),
            "");
}

}  // namespace
