// The lock window with its own handlers, loaded from the program's block as the main window loads
// it: setting a password, the lock screen it turns into, unlocking against 配置.ini, cancelling,
// and close requests refused throughout.
#include <gtest/gtest.h>

#include "assets/windows/handlers.h"
#include "assets/windows/lock_window_ids.h"
#include "features/lock/lock_screen_win32.h"
#include "features/lock/lock_texts.h"
#include "features/lock/lock_window_handlers_win32.h"
#include "features/settings_storage_win32.h"
#include "tests/win32/lock/message_box_watch.h"
#include "tests/win32/settings/temp_folder_win32.h"
#include "tests/win32/ui/recording_handlers.h"
#include "ui/block_resource_win32.h"
#include "ui/gbk_text_win32.h"
#include "ui/skin/control_skin_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

using namespace lock_window;

class LockWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { open(folder_.gbk()); }
  void TearDown() override {
    testWindows().DestroyWindow(kWindowId);
    pumpPending();
    (void)SetSkinScheme(0);
  }

  void open(const std::string& programDirectory) {
    settings_ = std::make_unique<SettingsFile>(storage_, programDirectory);
    HandlerTable table(static_cast<std::size_t>(Handler::count));
    registerLockWindowHandlers(table, testWindows(), *settings_);
    handlers_ = std::vector<HandlerRoutine>(table.routines().begin(), table.routines().end());
    testWindows().ReadTemplates(windowBlockResource(), handlers_);
    ASSERT_TRUE(testWindows().LoadWindow(kWindowId, nullptr));
    window = testWindows().GetWindowHandle(kWindowId);
    ASSERT_TRUE(window);
  }

  HWND unit(std::uint32_t id) const { return testWindows().GetUnit(kWindowId, id)->hwnd(); }
  void type(std::uint32_t edit, const std::string& text) {
    testWindows().SetProperty(kWindowId, edit, edit_box_property::text, text);
  }
  std::string label(std::uint32_t id) const {
    return std::get<std::string>(testWindows().GetProperty(kWindowId, id, label_property::caption));
  }
  // Clicks a button and answers the message box it may show; what the box said, or nothing.
  std::string click(std::uint32_t button) {
    MessageBoxWatch box(wideFromGbk(lock::kMessageTitle));
    SendMessageW(unit(button), BM_CLICK, 0, 0);
    return gbkFromWide(box.text());
  }
  std::string storedPassword() const { return settings_->ReadSetting(lock::kSection, lock::kKey); }
  bool locked() const { return !(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION); }
  void lockWith(const std::string& password) {
    type(编辑框1, password);
    type(编辑框2, password);
    ASSERT_EQ(click(按钮1), "");
    ASSERT_TRUE(locked());
  }
  bool stillOpen() const { return testWindows().GetWindowHandle(kWindowId) != nullptr; }
  RECT cover() const {
    const lock::ScreenRect c = lock::coverRectangle(currentScreenMetrics());
    return {c.left, c.top, c.left + c.width, c.top + c.height};
  }
  bool covering() const {
    RECT r, c = cover();
    GetWindowRect(window, &r);
    return EqualRect(&r, &c) && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  }

  TempFolder folder_;
  SettingsStorageWin32 storage_;
  std::unique_ptr<SettingsFile> settings_;
  std::vector<HandlerRoutine> handlers_;
  HWND window = nullptr;
};

// Close box, Alt+F4 and the system menu all arrive as these two.
void requestClosing(HWND window) {
  SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  SendMessageW(window, WM_CLOSE, 0, 0);
  pumpPending();
}

TEST_F(LockWindowTest, CloseRequestsAreRefusedBeforeAndAfterLocking) {
  requestClosing(window);
  EXPECT_TRUE(IsWindow(window));
  lockWith("pw");
  requestClosing(window);
  EXPECT_TRUE(IsWindow(window));
}

TEST_F(LockWindowTest, EntriesAreCheckedBeforeAnythingIsStored) {
  struct Case {
    const char *first, *second;
    std::string_view message;
  } const cases[] = {
      {"", "", lock::kNoPasswordText},
      {"", "abc", lock::kNoPasswordText},
      {"abc", "", lock::kMismatchText},
      {"abc", "abc ", lock::kMismatchText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.first) + "|" + c.second);
    type(编辑框1, c.first);
    type(编辑框2, c.second);
    EXPECT_EQ(click(按钮1), c.message);
    EXPECT_FALSE(locked());
    EXPECT_EQ(std::get<std::string>(testWindows().GetProperty(kWindowId, 编辑框2, edit_box_property::text)), c.second)
        << "both entries keep what was typed";
    EXPECT_EQ(storedPassword(), "");
  }
}

TEST_F(LockWindowTest, LockingStoresThePasswordAndRearrangesTheWindowIntoTheLockScreen) {
  lockWith("密码 1");
  EXPECT_EQ(storedPassword(), "密码 1");
  EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_BORDER));
  EXPECT_EQ(label(透明标签1), lock::kUnlockPrompt);
  EXPECT_EQ(label(透明标签3), lock::kLockedStatus);
  EXPECT_EQ(GetWindowTextLengthW(unit(编辑框1)), 0);
  EXPECT_EQ(SendMessageW(unit(编辑框1), EM_GETPASSWORDCHAR, 0, 0), '*');
  for (lock_window::Unit hidden : {编辑框2, 透明标签2, 按钮1, 按钮2})
    EXPECT_FALSE(IsWindowVisible(unit(hidden))) << hidden;
  EXPECT_TRUE(IsWindowVisible(unit(按钮3)));
  EXPECT_TRUE(pumpUntil([&] { return covering(); })) << "时钟1 runs and covers the screen";
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
}

TEST_F(LockWindowTest, TheLockScreenComesBackWithinATickAfterAMoveOrAnotherWindowOnTop) {
  lockWith("pw");
  ASSERT_TRUE(pumpUntil([&] { return covering(); }));
  SetWindowPos(window, HWND_NOTOPMOST, 100, 100, 300, 200, SWP_NOACTIVATE);
  EXPECT_TRUE(pumpUntil([&] { return covering(); }, 200));

  OwnedWindow other(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr,
                                    nullptr, nullptr, nullptr));
  ASSERT_TRUE(other);
  SetWindowPos(other.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_TRUE(pumpUntil([&] { return GetWindow(window, GW_HWNDPREV) != other.get() && covering(); }, 200));
  HWND above = window;
  while ((above = GetWindow(above, GW_HWNDPREV)) != nullptr) EXPECT_FALSE(IsWindowVisible(above));
}

// Counts the ticks of 时钟1 that reach one window and the moves made of it, while the test pumps.
class TickAndMoveCounter {
 public:
  explicit TickAndMoveCounter(HWND window) {
    watched_ = window;
    ticks_ = moves_ = 0;
    ticksHook_.reset(SetWindowsHookExW(WH_GETMESSAGE, countTicks, nullptr, GetCurrentThreadId()));
    movesHook_.reset(SetWindowsHookExW(WH_CALLWNDPROC, countMoves, nullptr, GetCurrentThreadId()));
  }
  int ticks() const { return ticks_; }
  int moves() const { return moves_; }

 private:
  static LRESULT CALLBACK countTicks(int code, WPARAM wp, LPARAM lp) {
    const auto* got = reinterpret_cast<const MSG*>(lp);
    if (code == HC_ACTION && wp == PM_REMOVE && got->hwnd == watched_ && got->message == WM_TIMER &&
        got->wParam == 时钟1)
      ++ticks_;
    return CallNextHookEx(nullptr, code, wp, lp);
  }
  static LRESULT CALLBACK countMoves(int code, WPARAM wp, LPARAM lp) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && sent->hwnd == watched_ && sent->message == WM_WINDOWPOSCHANGING) ++moves_;
    return CallNextHookEx(nullptr, code, wp, lp);
  }
  static inline HWND watched_ = nullptr;
  static inline int ticks_ = 0, moves_ = 0;
  OwnedHook ticksHook_, movesHook_;
};

TEST_F(LockWindowTest, TicksOfAScreenAlreadyCoveredMoveNothing) {
  lockWith("pw");
  ASSERT_TRUE(pumpUntil([&] { return covering(); }));
  TickAndMoveCounter counter(window);
  ASSERT_TRUE(pumpUntil([&] { return counter.ticks() >= 50; }));
  EXPECT_EQ(counter.moves(), 0);
  SetWindowPos(window, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const int afterOwnMove = counter.moves();
  EXPECT_TRUE(pumpUntil([&] { return covering(); }, 200));
  EXPECT_GT(counter.moves(), afterOwnMove) << "a tick moved it back";
}

TEST_F(LockWindowTest, UnlockingReadsThePasswordFromTheFileAtEveryTry) {
  lockWith("pw");
  type(编辑框1, "wrong");
  EXPECT_EQ(click(按钮3), "") << "a wrong try shows no box";
  EXPECT_EQ(label(透明标签3), lock::kWrongPasswordStatus);
  EXPECT_TRUE(stillOpen());
  EXPECT_EQ(std::get<std::string>(testWindows().GetProperty(kWindowId, 编辑框1, edit_box_property::text)), "wrong")
      << "the entry keeps what was typed";

  ASSERT_TRUE(settings_->WriteSetting(lock::kSection, lock::kKey, "新的"));
  type(编辑框1, "pw");
  click(按钮3);
  EXPECT_TRUE(stillOpen()) << "the old password no longer unlocks";
  type(编辑框1, "新的");
  click(按钮3);
  EXPECT_FALSE(stillOpen());
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(LockWindowTest, CancelClosesWithoutStoring) {
  type(编辑框1, "pw");
  type(编辑框2, "pw");
  click(按钮2);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(storedPassword(), "");
}

TEST_F(LockWindowTest, APasswordThatCannotBeStoredLocksNothing) {
  testWindows().DestroyWindow(kWindowId);
  open(folder_.gbk() + "\\不存在的文件夹");
  type(编辑框1, "pw");
  type(编辑框2, "pw");
  EXPECT_EQ(click(按钮1), lock::kNotStoredText);
  EXPECT_FALSE(locked());
  EXPECT_TRUE(IsWindowVisible(unit(编辑框2)));
  EXPECT_FALSE(IsWindowVisible(unit(按钮3)));
}

TEST_F(LockWindowTest, OpeningTheLockWindowSkinsItsControls) {
  EXPECT_EQ(theControlSkin().scheme(), 2);
  for (lock_window::Unit control : {按钮1, 按钮2, 按钮3, 编辑框1, 编辑框2})
    EXPECT_TRUE(theControlSkin().isSkinned(unit(control)));
}

}  // namespace
