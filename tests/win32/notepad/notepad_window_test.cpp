// The notepad window as the program runs it: its real handlers on the window the loader builds
// from the program's block, its settings file kept in memory so every write can be seen.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "assets/windows/handlers.h"
#include "assets/windows/main_window_ids.h"
#include "assets/windows/notepad_window_ids.h"
#include "features/notepad/autosave.h"
#include "features/notepad/notepad_text.h"
#include "features/notepad/notepad_window_handlers_win32.h"
#include "tests/support/settings/memory_settings_storage.h"
#include "tests/win32/ui/recording_handlers.h"
#include "ui/block_resource_win32.h"
#include "ui/gbk_text_win32.h"
#include "ui/handler_table.h"
#include "ui/menus_win32.h"

namespace {

using namespace notepad_window;
using Clock = std::chrono::steady_clock;

const std::string kFolder = "C:\\澜星";
const std::string kFile = kFolder + "\\配置.ini";

// Answers every message box titled "提示：" with OK, keeping what each one said.
class BoxAnswerer {
 public:
  BoxAnswerer() : thread_([this] { run(); }) {}
  ~BoxAnswerer() {
    stop_ = true;
    thread_.join();
  }
  std::vector<std::string> texts() const {
    std::lock_guard lock(mutex_);
    return texts_;
  }

 private:
  void run() {
    HWND last = nullptr;
    while (!stop_) {
      HWND box = FindWindowW(L"#32770", wideFromGbk(notepad::kSaveFailedTitle).c_str());
      if (box && box != last && IsWindowVisible(box)) {
        last = box;
        std::lock_guard lock(mutex_);
        texts_.push_back(staticText(box));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
      }
      Sleep(10);
    }
  }
  static std::string staticText(HWND box) {
    std::string found;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      wchar_t cls[32] = {};
      GetClassNameW(c, cls, 32);
      if (lstrcmpiW(cls, L"Static") != 0) continue;
      wchar_t text[1024] = {};
      GetWindowTextW(c, text, 1024);
      if (text[0]) found = gbkFromWide(text);
    }
    return found;
  }

  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> texts_;
  std::thread thread_;
};

class NotepadWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HandlerTable table(static_cast<std::size_t>(Handler::count));
    const auto recording = recordingHandlers<static_cast<std::size_t>(Handler::count)>();
    for (std::size_t i = 0; i < recording.size(); ++i) table.set(i, recording[i]);
    registerNotepadWindowHandlers(table, testWindows(), settings);
    testWindows().ReadTemplates(windowBlockResource(), table.routines());
    ASSERT_TRUE(testWindows().LoadWindow(main_window::kWindowId, nullptr));
    main = testWindows().GetWindowHandle(main_window::kWindowId);
  }
  void TearDown() override {
    testWindows().DestroyWindow(main_window::kWindowId);
    pumpUntil([] { return testWindows().LoadedWindowCount() == 0; });
  }

  HWND open() {
    EXPECT_TRUE(testWindows().LoadWindow(kWindowId, main));
    return testWindows().GetWindowHandle(kWindowId);
  }
  void close() {
    testWindows().DestroyWindow(kWindowId);
    pumpPending();
  }
  HWND editBox() { return testWindows().GetUnit(kWindowId, 编辑框1)->hwnd(); }
  std::string shown() { return gbkFromWide(windowText(editBox())); }
  static std::wstring windowText(HWND w) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
    return text;
  }
  // As typing does: the selection replaced, which the edit box reports as a change.
  void type(const std::string& gbk) {
    SendMessageW(editBox(), EM_SETSEL, 0, -1);
    SendMessageW(editBox(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wideFromGbk(gbk).c_str()));
  }
  std::string stored() { return storage.files[kFile]; }
  void store(const std::string& text) {
    storage.files[kFile] = "[记事本]\r\n内容=" + notepad::storedForm(text) + "\r\n";
  }

  MemorySettingsStorage storage;
  const SettingsFile settings{storage, kFolder};
  HWND main = nullptr;
};

TEST_F(NotepadWindowTest, OpensWithTheStoredTextAndWritesItBackWhenClosed) {
  store("第一行\r\n第二行");
  open();
  EXPECT_EQ(shown(), "第一行\r\n第二行");
  SetWindowTextW(editBox(), wideFromGbk("甲\r\n乙\r\n丙").c_str());
  close();
  EXPECT_EQ(stored(), "[记事本]\r\n内容=甲（#换行符）乙（#换行符）丙\r\n\r\n");
  open();
  EXPECT_EQ(shown(), "甲\r\n乙\r\n丙");
}

TEST_F(NotepadWindowTest, NoFileOpensEmptyAndTheProgramsEndSavesToo) {
  open();
  EXPECT_EQ(shown(), "");
  EXPECT_TRUE(storage.files.empty());
  SetWindowTextW(editBox(), L"notes");
  testWindows().DestroyWindow(main_window::kWindowId);  // the owner takes the notepad with it
  EXPECT_EQ(stored(), "[记事本]\r\n内容=notes\r\n\r\n");
}

TEST_F(NotepadWindowTest, ManyOpeningsAndClosingsLeaveTheFileAsOneDoes) {
  storage.files[kFile] = "[自定义音效1]\r\n路径=D:\\a.mp3\r\n";
  open();
  SetWindowTextW(editBox(), wideFromGbk("名单\r\n\r\n").c_str());
  close();
  const std::string afterOne = stored();
  for (int i = 0; i < 20; ++i) {
    open();
    ASSERT_EQ(shown(), "名单\r\n\r\n") << i;
    close();
  }
  EXPECT_EQ(stored(), afterOne);
}

TEST_F(NotepadWindowTest, AHundredThousandByteNoteComesBackWhole) {
  std::string text;
  for (int line = 0; text.size() < 100000; ++line) text += "第" + std::to_string(line) + "条：今晚的嘉宾与曲目\r\n";
  text.resize(100000);
  if (text.back() == '\r') text.back() = '.';
  store(text);
  const std::string before = stored();
  open();
  EXPECT_EQ(shown().size(), text.size());
  EXPECT_EQ(shown(), text);
  EXPECT_GT(static_cast<unsigned long>(SendMessageW(editBox(), EM_GETLIMITTEXT, 0, 0)), 10000000ul)
      << "the user may type on without a limit";
  close();
  EXPECT_EQ(stored(), before);
}

TEST_F(NotepadWindowTest, SavesAboutASecondAfterTypingPausesAndNotWhileNothingChanged) {
  store("旧");
  open();
  const int writesAtOpen = storage.writes;
  EXPECT_FALSE(pumpUntil([&] { return storage.writes != writesAtOpen; }, 1500)) << "loading is no change";
  const auto typed = Clock::now();
  type("新的内容");
  ASSERT_TRUE(pumpUntil([&] { return stored().find("新的内容") != std::string::npos; }, 3000));
  const auto pause = Clock::now() - typed;
  EXPECT_GE(pause, notepad::Autosave::kPause - std::chrono::milliseconds(50));
  EXPECT_EQ(storage.writes, writesAtOpen + 1);
  EXPECT_FALSE(pumpUntil([&] { return storage.writes != writesAtOpen + 1; }, 1500)) << "once per pause";
  EXPECT_EQ(stored(), "[记事本]\r\n内容=新的内容\r\n\r\n");
}

TEST_F(NotepadWindowTest, AFailedSaveIsToldOnceNamingTheFile) {
  BoxAnswerer answerer;
  open();
  storage.writable = false;
  type("第一次");
  ASSERT_TRUE(pumpUntil([&] { return answerer.texts().size() == 1; }, 4000));
  EXPECT_EQ(answerer.texts()[0], notepad::saveFailedText(kFile));
  const int writes = storage.writes;
  type("第二次");
  ASSERT_TRUE(pumpUntil([&] { return storage.writes > writes; }, 3000));
  close();
  EXPECT_EQ(storage.writes, writes + 2) << "the pause and the close both tried";
  EXPECT_FALSE(pumpUntil([&] { return answerer.texts().size() > 1; }, 500)) << "told once";
}

TEST_F(NotepadWindowTest, OnTopTogglesTheCheckMarkAndTheWindowAndStartsOffEachTime) {
  HWND window = open();
  const auto onTop = [&] { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  const auto checked = [&] {
    return (GetMenuState(GetSubMenu(GetMenu(window), 0), 0, MF_BYPOSITION) & MF_CHECKED) != 0;
  };
  ASSERT_TRUE(GetMenu(window));
  EXPECT_FALSE(onTop());
  EXPECT_FALSE(checked());
  SendMessageW(window, WM_COMMAND, kFirstMenuCommand, 0);  // 菜单 → 置顶
  EXPECT_TRUE(onTop());
  EXPECT_TRUE(checked());
  EXPECT_TRUE(testWindows().MenuItemChecked(kWindowId, 置顶));
  // Wine never takes the topmost state from an owned window again (HWND_NOTOPMOST succeeds and
  // changes nothing; Windows clears it), so here only the mark is seen going back.
  SendMessageW(window, WM_COMMAND, kFirstMenuCommand, 0);
  EXPECT_FALSE(checked());
  EXPECT_FALSE(testWindows().MenuItemChecked(kWindowId, 置顶));
  SendMessageW(window, WM_COMMAND, kFirstMenuCommand, 0);
  EXPECT_TRUE(checked()) << "the mark, not the window's state, says what the next choice does";
  close();
  window = open();
  EXPECT_FALSE(onTop());
  EXPECT_FALSE(checked());
}

TEST_F(NotepadWindowTest, OpeningItAgainRestoresTheOpenWindowWithoutReloading) {
  store("文件里的");
  HWND window = open();
  SetWindowTextW(editBox(), wideFromGbk("正在写的").c_str());
  store("别处改过的");
  ShowWindow(window, SW_MINIMIZE);
  EXPECT_EQ(open(), window);
  EXPECT_FALSE(IsIconic(window));
  EXPECT_EQ(shown(), "正在写的");
}

}  // namespace
