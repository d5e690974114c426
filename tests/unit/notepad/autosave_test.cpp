// The notepad's save after a pause in typing, on a clock the test moves.
#include <gtest/gtest.h>

#include "features/notepad/autosave.h"

namespace {

using notepad::Autosave;
using namespace std::chrono_literals;

struct Recorder {
  int saves = 0;
  bool succeeds = true;
  Autosave autosave{[this] {
    ++saves;
    return succeeds;
  }};
};

const Autosave::Clock::time_point t0{};

TEST(NotepadAutosave, NothingIsWrittenWhileNothingChanged) {
  Recorder r;
  EXPECT_EQ(r.autosave.untilDue(t0), std::nullopt);
  EXPECT_FALSE(r.autosave.tick(t0 + 10s));
  EXPECT_EQ(r.saves, 0);
}

TEST(NotepadAutosave, SavesOneSecondAfterTheLastChangeOnce) {
  Recorder r;
  r.autosave.changed(t0);
  r.autosave.changed(t0 + 600ms);  // still typing: the pause starts again
  EXPECT_EQ(r.autosave.untilDue(t0 + 700ms), 900ms);
  EXPECT_FALSE(r.autosave.tick(t0 + 1500ms));
  EXPECT_EQ(r.saves, 0) << "only 900 ms since the last change";
  EXPECT_FALSE(r.autosave.tick(t0 + 1600ms));
  EXPECT_EQ(r.saves, 1);
  EXPECT_EQ(r.autosave.untilDue(t0 + 1600ms), std::nullopt);
  EXPECT_FALSE(r.autosave.tick(t0 + 5s));
  EXPECT_EQ(r.saves, 1) << "saved once per pause";
  EXPECT_EQ(r.autosave.untilDue(t0 + 1s), std::nullopt);
}

TEST(NotepadAutosave, LateTimerSavesAtOnce) {
  Recorder r;
  r.autosave.changed(t0);
  EXPECT_EQ(r.autosave.untilDue(t0 + 3s), Autosave::Clock::duration::zero());
  EXPECT_FALSE(r.autosave.tick(t0 + 3s));
  EXPECT_EQ(r.saves, 1);
}

TEST(NotepadAutosave, ClosingAlwaysSaves) {
  Recorder r;
  EXPECT_FALSE(r.autosave.close());
  EXPECT_EQ(r.saves, 1);
}

TEST(NotepadAutosave, AFailureIsToldOnceUntilASaveSucceeds) {
  Recorder r;
  r.succeeds = false;
  r.autosave.changed(t0);
  EXPECT_TRUE(r.autosave.tick(t0 + 1s)) << "the first failure is told";
  r.autosave.changed(t0 + 2s);
  EXPECT_FALSE(r.autosave.tick(t0 + 3s)) << "not again at the next pause";
  EXPECT_FALSE(r.autosave.close()) << "nor when the window goes";
  EXPECT_EQ(r.saves, 3);

  r.succeeds = true;
  r.autosave.changed(t0 + 4s);
  EXPECT_FALSE(r.autosave.tick(t0 + 5s));
  r.succeeds = false;
  r.autosave.changed(t0 + 6s);
  EXPECT_TRUE(r.autosave.tick(t0 + 7s)) << "a new failure after a success is told again";
}

TEST(NotepadAutosave, FailureTextNamesTheFile) {
  const std::string text = notepad::saveFailedText("C:\\程序\\配置.ini");
  EXPECT_NE(text.find("C:\\程序\\配置.ini"), std::string::npos);
  EXPECT_NE(text.find("未能保存"), std::string::npos);
  EXPECT_EQ(notepad::kSaveFailedTitle, "提示：");
}

}  // namespace
