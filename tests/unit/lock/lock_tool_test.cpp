// The lock tool's states, driven through its buttons with a password file the test controls.
#include <gtest/gtest.h>

#include <string>

#include "features/lock/lock_texts.h"
#include "features/lock/lock_tool.h"
#include "features/lock/screen_cover.h"

namespace {

using namespace lock;
using Action = Step::Action;

// 配置.ini's 密码 key. A store that cannot be written reads back as empty, as the file does.
struct FakeStore : PasswordStore {
  std::string stored;
  bool writable = true;
  int writes = 0;
  bool write(std::string_view password) override {
    ++writes;
    if (writable) stored = password;
    return writable;
  }
  std::string read() override { return stored; }
};

struct ConfirmCase {
  const char* name;
  std::string first, second;
  Step expected;
};

TEST(LockTool, ConfirmChecksBeforeStoring) {
  const ConfirmCase cases[] = {
      {"empty first entry", "", "", {Action::showMessage, kNoPasswordText}},
      {"empty first entry, something confirmed", "", "abc", {Action::showMessage, kNoPasswordText}},
      {"empty confirmation", "abc", "", {Action::showMessage, kMismatchText}},
      {"trailing blank", "abc", "abc ", {Action::showMessage, kMismatchText}},
      {"letter case", "abc", "ABC", {Action::showMessage, kMismatchText}},
  };
  for (const ConfirmCase& c : cases) {
    FakeStore store;
    LockTool tool(store);
    EXPECT_EQ(tool.confirm(c.first, c.second), c.expected) << c.name;
    EXPECT_EQ(tool.state(), State::setting) << c.name;
    EXPECT_EQ(store.writes, 0) << c.name;
  }
}

TEST(LockTool, MatchingEntriesStoreAndLock) {
  FakeStore store;
  LockTool tool(store);
  EXPECT_EQ(tool.confirm("密码 1", "密码 1"), Step{Action::becomeLocked});
  EXPECT_EQ(tool.state(), State::locked);
  EXPECT_EQ(store.stored, "密码 1");
  EXPECT_EQ(tool.confirm("x", "x"), Step{}) << "no way back to setting";
  EXPECT_EQ(tool.cancel(), Step{}) << "取消 is gone once locked";
}

TEST(LockTool, APasswordThatCannotBeStoredLocksNothing) {
  FakeStore store;
  store.stored = "old";
  store.writable = false;
  LockTool tool(store);
  EXPECT_EQ(tool.confirm("new", "new"), (Step{Action::showMessage, kNotStoredText}));
  EXPECT_EQ(tool.state(), State::setting);
  EXPECT_EQ(tool.tryUnlock(""), Step{}) << "nothing to unlock";
}

// The settings file trims the blanks around a value, so such a password would never unlock.
TEST(LockTool, APasswordTheFileCannotKeepExactlyLocksNothing) {
  struct TrimmingStore : FakeStore {
    std::string read() override { return stored.substr(0, stored.find_last_not_of(' ') + 1); }
  } store;
  LockTool tool(store);
  EXPECT_EQ(tool.confirm("pw ", "pw "), (Step{Action::showMessage, kNotKeptText}));
  EXPECT_EQ(tool.state(), State::setting);
  EXPECT_EQ(tool.confirm("pw", "pw").action, Action::becomeLocked);
}

TEST(LockTool, EveryTryReadsTheFileAfresh) {
  FakeStore store;
  LockTool tool(store);
  ASSERT_EQ(tool.confirm("first", "first").action, Action::becomeLocked);
  EXPECT_EQ(tool.tryUnlock("wrong"), (Step{Action::showStatus, kWrongPasswordStatus}));
  EXPECT_EQ(tool.tryUnlock(""), (Step{Action::showStatus, kWrongPasswordStatus}));
  store.stored = "edited";  // 配置.ini changed while locked
  EXPECT_EQ(tool.tryUnlock("first").action, Action::showStatus);
  EXPECT_EQ(tool.state(), State::locked);
  EXPECT_EQ(tool.tryUnlock("edited"), Step{Action::close});
  EXPECT_EQ(tool.state(), State::closed);
}

TEST(LockTool, CancelClosesWithoutStoring) {
  FakeStore store;
  LockTool tool(store);
  EXPECT_EQ(tool.cancel(), Step{Action::close});
  EXPECT_EQ(store.writes, 0);
  EXPECT_FALSE(LockTool::closeRequestAllowed());
}

// Checked as GBK bytes, independent of how the compiler converts the sources.
TEST(LockTexts, AreGbk) {
  EXPECT_EQ(kMessageTitle, "\xCC\xE1\xCA\xBE\xA3\xBA");
  EXPECT_EQ(kMismatchText,
            "\xB6\xD4\xB2\xBB\xC6\xF0\xA3\xAC\xC1\xBD\xB4\xCE\xC3\xDC\xC2\xEB\xCA\xE4\xC8\xEB\xB2\xBB\xD2\xBB\xD6\xC2"
            "\xA3\xAC\xC7\xEB\xD6\xD8\xD0\xC2\xC9\xE8\xD6\xC3\xA3\xA1");
  EXPECT_EQ(kWrongPasswordStatus,
            "\xC4\xFA\xCA\xE4\xC8\xEB\xB5\xC4\xC3\xDC\xC2\xEB\xD3\xD0\xCE\xF3\xA3\xAC\xC7\xEB\xD6\xD8\xD0\xC2\xCA\xE4"
            "\xC8\xEB\xA3\xA1");
}

TEST(ScreenCover, CoversTheVirtualScreenOrElseThePrimaryOne) {
  EXPECT_EQ(coverRectangle({{0, 0, 1024, 768}, 1024, 768}), (ScreenRect{0, 0, 1024, 768})) << "one monitor";
  EXPECT_EQ(coverRectangle({{-1280, -200, 3200, 1280}, 1920, 1080}), (ScreenRect{-1280, -200, 3200, 1280}))
      << "a second monitor to the left, higher up";
  EXPECT_EQ(coverRectangle({{}, 800, 600}), (ScreenRect{0, 0, 800, 600})) << "no virtual-screen metrics";
}

TEST(ScreenCover, MovesOnlyWhatHasLostItsPlace) {
  const ScreenRect cover{0, 0, 1024, 768};
  struct Case {
    const char* name;
    WindowStanding standing;
    bool move;
  };
  const Case cases[] = {
      {"in place, on top", {cover, true, false}, false},          {"moved", {{5, 0, 1024, 768}, true, false}, true},
      {"resized", {{0, 0, 1000, 768}, true, false}, true},        {"topmost state lost", {cover, false, false}, true},
      {"another window raised above", {cover, true, true}, true},
  };
  for (const Case& c : cases) EXPECT_EQ(needsCovering(c.standing, cover), c.move) << c.name;
}

}  // namespace
