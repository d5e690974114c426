// The file dialogs as a user answers them: the dialog opens with the remembered name, a confirmed
// file becomes the remembered name, Cancel changes nothing.
#include <gtest/gtest.h>

#include "assets/windows/audio_window_ids.h"
#include "assets/windows/recorder_window_ids.h"
#include "loaded_windows.h"
#include "tests/win32/settings/temp_folder_win32.h"
#include "ui/gbk_text_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

constexpr int kFileNameField = 1148;  // the explorer-style dialog's file name box

// What the next dialog is answered with (empty: Cancel), and the name it showed when it opened.
std::wstring answer, shownName;

BOOL CALLBACK findDialog(HWND w, LPARAM found) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  if (std::wstring(cls) != L"#32770" || !IsWindowVisible(w)) return TRUE;
  *reinterpret_cast<HWND*>(found) = w;
  return FALSE;
}

// Polls from inside the dialog's own loop until the dialog stands, then answers it.
void CALLBACK answerDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  KillTimer(nullptr, timer);
  wchar_t name[MAX_PATH] = {};
  GetDlgItemTextW(dialog, kFileNameField, name, MAX_PATH);
  shownName = name;
  if (!answer.empty()) SetDlgItemTextW(dialog, kFileNameField, answer.c_str());
  PostMessageW(dialog, WM_COMMAND, answer.empty() ? IDCANCEL : IDOK, 0);
}

bool showAnswering(std::uint32_t window, std::uint32_t dialog, std::wstring reply) {
  answer = std::move(reply);
  shownName = L"?";
  SetTimer(nullptr, 0, 100, answerDialog);
  return ShowFileDialog(*testWindows().GetUnit(window, dialog), testWindows().GetWindowHandle(window));
}

std::string fileName(std::uint32_t window, std::uint32_t dialog) {
  return std::get<std::string>(testWindows().GetProperty(window, dialog, common_dlg_property::fileName));
}

class FileDialogs : public LoadedWindowsTest {};

TEST_F(FileDialogs, AConfirmedFileIsRememberedAndCancelKeepsIt) {
  using namespace audio_window;
  ASSERT_TRUE(open(kWindowId));
  TempFolder folder;
  const std::wstring file = folder.wide() + L"\\掌声.mp3";
  CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

  ASSERT_TRUE(showAnswering(kWindowId, 通用对话框1, file));
  EXPECT_EQ(shownName, L"") << "nothing remembered yet";
  EXPECT_EQ(fileName(kWindowId, 通用对话框1), gbkFromWide(file));

  EXPECT_FALSE(showAnswering(kWindowId, 通用对话框1, L""));
  EXPECT_EQ(shownName, L"掌声.mp3") << "opens with the remembered file, in its folder";
  EXPECT_EQ(fileName(kWindowId, 通用对话框1), gbkFromWide(file)) << "Cancel changes nothing";
  EXPECT_EQ(fileName(kWindowId, 通用对话框2), "") << "each dialog remembers its own";
}

TEST_F(FileDialogs, TheSaveDialogOpensWithItsPresetText) {
  ASSERT_TRUE(open(recorder_window::kWindowId));
  EXPECT_FALSE(showAnswering(recorder_window::kWindowId, recorder_window::通用对话框, L""));
  EXPECT_EQ(shownName, L"*.wav");
}

}  // namespace
