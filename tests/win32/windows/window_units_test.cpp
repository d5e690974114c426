// All five windows open from the program's block: every unit has its record's type, rectangle,
// parent, visibility and text; 选择夹1 shows one page at a time; hidden units keep their text;
// opening an open window brings it forward; the main window takes the others with it.
#include <gtest/gtest.h>

#include <algorithm>

#include "assets/windows/audio_window_ids.h"
#include "assets/windows/lock_window_ids.h"
#include "assets/windows/notepad_window_ids.h"
#include "assets/windows/recorder_window_ids.h"
#include "loaded_windows.h"
#include "ui/controls/tab_pages.h"
#include "ui/format/control_properties.h"
#include "ui/types/unit_types_win32.h"
#include "ui/types/window_unit_win32.h"

namespace {

constexpr std::uint32_t kWindows[] = {main_window::kWindowId, audio_window::kWindowId, recorder_window::kWindowId,
                                      notepad_window::kWindowId, lock_window::kWindowId};

std::wstring className(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

// The system class a visual type is built on, or the program's own.
std::wstring expectedClass(std::uint32_t type) {
  switch (type) {
    case type_word::Button:
    case type_word::CheckBox: return L"Button";
    case type_word::EditBox: return L"Edit";
    case type_word::ComboBox: return L"ComboBox";
    case type_word::Tab: return L"LanxingTab";
    case type_word::PicBox: return L"LanxingPicBox";
    case type_word::ShapeBox: return L"LanxingShapeBox";
    case type_word::Label: return L"LanxingLabel";
    case type_word::TransLabel: return L"LanxingTransLabel";
    case type_word::PicBtn: return L"LanxingPicBtn";
    case type_word::LineChart: return L"LanxingLineChart";
    default: return L"";
  }
}

// The text a unit shows: caption of buttons, text of labels.
std::string storedText(const UnitRecord& r) {
  if (r.typeWord == type_word::Button) return ButtonProperties::read(r.propertyData)->caption;
  if (r.typeWord == type_word::TransLabel) return TransLabelProperties::read(r.propertyData)->text;
  return {};
}
std::optional<int> textProperty(std::uint32_t type) {
  if (type == type_word::Button) return button_property::caption;
  if (type == type_word::TransLabel) return label_property::caption;
  return std::nullopt;
}

// Units on 选择夹1's later pages start hidden.
bool onALaterPage(const WindowTemplate& t, std::uint32_t id) {
  for (const UnitTemplate& u : t.units)
    if (u.typeWord == type_word::Tab) {
      const auto page = pageOf(pagesOf(u.unit->children), id);
      if (page && *page > 0) return true;
    }
  return false;
}

class WindowUnits : public LoadedWindowsTest {};

TEST_F(WindowUnits, EveryUnitOfEveryWindowStandsAsItsRecordSays) {
  for (std::uint32_t windowId : kWindows) {
    if (windowId != main_window::kWindowId) ASSERT_TRUE(open(windowId));
    const WindowTemplate& t = *testWindows().windowTable().find(windowId);
    HWND window = testWindows().GetWindowHandle(windowId);
    for (const UnitTemplate& u : t.units) {
      if (!u.unit || u.typeWord == type_word::window) continue;
      const UnitRecord& r = *u.unit;
      SCOPED_TRACE(std::to_string(windowId) + " " + r.name);
      Unit* created = testWindows().GetUnit(windowId, u.id);
      ASSERT_TRUE(created);
      // A closed drop-down list is as high as the system makes it, at least the stored height.
      const int exact = u.typeWord == type_word::ComboBox ? 3 : 4;
      for (int p = 0; p < exact; ++p)
        EXPECT_EQ(std::get<std::int32_t>(testWindows().GetProperty(windowId, u.id, p)), (&r.left)[p])
            << "property " << p;
      if (exact == 3) {
        const auto height = std::get<std::int32_t>(testWindows().GetProperty(windowId, u.id, common_property::height));
        EXPECT_GE(height, r.height);
        EXPECT_LE(height, r.height + 4);
      }
      if (r.flags == 0) {
        EXPECT_EQ(created->hwnd(), nullptr) << "non-visual";
        continue;
      }
      ASSERT_TRUE(created->hwnd());
      EXPECT_EQ(className(created->hwnd()), expectedClass(u.typeWord));
      EXPECT_EQ(GetParent(created->hwnd()), r.parentId ? unit(windowId, r.parentId) : window);
      const bool visible = (r.flags & unit_flag::visible) && !onALaterPage(t, u.id);
      EXPECT_EQ((GetWindowLongW(created->hwnd(), GWL_STYLE) & WS_VISIBLE) != 0, visible);
      if (const auto text = textProperty(u.typeWord))
        EXPECT_EQ(std::get<std::string>(testWindows().GetProperty(windowId, u.id, *text)), storedText(r));
    }
  }
}

TEST_F(WindowUnits, WindowsOpenCentredOwnedByTheMainWindowWithTheirCaptions) {
  const std::tuple<std::uint32_t, const char*, int, int> windows[] = {
      {audio_window::kWindowId, "澜星音频助手", 300, 320},
      {recorder_window::kWindowId, "澜星录音软件", 344, 290},
      {notepad_window::kWindowId, "澜星　记事本", 509, 365},
      {lock_window::kWindowId, "澜星挂机工具", 270, 102}};
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  for (const auto& [id, caption, width, height] : windows) {
    SCOPED_TRACE(caption);
    ASSERT_TRUE(open(id));
    HWND w = testWindows().GetWindowHandle(id);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, (screenWidth - width) / 2);
    EXPECT_EQ(r.top, (screenHeight - height) / 2);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetWindow(w, GW_OWNER), main);
    EXPECT_EQ(std::get<std::string>(testWindows().GetProperty(id, 0, window_property::caption)), caption);
  }
  EXPECT_TRUE(SendMessageW(testWindows().GetWindowHandle(recorder_window::kWindowId), WM_GETICON, ICON_BIG, 0))
      << "its own icon";
  EXPECT_TRUE(GetMenu(testWindows().GetWindowHandle(notepad_window::kWindowId))) << "the notepad's menu bar";
  EXPECT_EQ(GetMenu(testWindows().GetWindowHandle(audio_window::kWindowId)), nullptr);
}

TEST_F(WindowUnits, OnlyTheShownPageOfTheTabIsVisible) {
  ASSERT_TRUE(open(audio_window::kWindowId));
  using audio_window::pageButton;
  const auto visiblePage = [&](int page) {
    for (int p = 0; p < audio_window::kPageCount; ++p)
      for (int n = 1; n <= audio_window::kButtonsPerPage; ++n)
        if ((IsWindowVisible(unit(audio_window::kWindowId, pageButton(p, n))) != FALSE) != (p == page)) return false;
    return true;
  };
  EXPECT_TRUE(visiblePage(0)) << "page 1 after loading";
  EXPECT_EQ(std::get<std::int32_t>(
                testWindows().GetProperty(audio_window::kWindowId, audio_window::选择夹1, tab_property::currentPage)),
            0);
  for (int page : {3, 2, 1, 0}) {
    testWindows().SetProperty(audio_window::kWindowId, audio_window::选择夹1, tab_property::currentPage,
                              std::int32_t{page});
    EXPECT_TRUE(visiblePage(page)) << page;
    EXPECT_EQ(std::get<std::int32_t>(
                  testWindows().GetProperty(audio_window::kWindowId, audio_window::选择夹1, tab_property::currentPage)),
              page);
  }
  Unit* tab = testWindows().GetUnit(audio_window::kWindowId, audio_window::选择夹1);
  EXPECT_FALSE(tab->setProperty(tab_property::currentPage, std::int32_t{4})) << "there are four pages";
  EXPECT_TRUE(visiblePage(0));
}

TEST_F(WindowUnits, ShowingAPageInTheActiveWindowFocusesItsFirstButton) {
  ASSERT_TRUE(open(audio_window::kWindowId));
  SetActiveWindow(testWindows().GetWindowHandle(audio_window::kWindowId));
  testWindows().SetProperty(audio_window::kWindowId, audio_window::选择夹1, tab_property::currentPage, std::int32_t{2});
  EXPECT_EQ(GetFocus(), unit(audio_window::kWindowId, audio_window::pageButton(2, 1)));
}

TEST_F(WindowUnits, TheLockWindowsThirdButtonExistsHidden) {
  ASSERT_TRUE(open(lock_window::kWindowId));
  HWND button = unit(lock_window::kWindowId, lock_window::按钮3);
  ASSERT_TRUE(button);
  EXPECT_FALSE(IsWindowVisible(button));
  EXPECT_TRUE(GetWindowLongW(button, GWL_STYLE) & WS_TABSTOP);
  for (std::uint32_t shown : {lock_window::按钮1, lock_window::按钮2, lock_window::编辑框1, lock_window::透明标签3})
    EXPECT_TRUE(IsWindowVisible(unit(lock_window::kWindowId, shown)));
}

TEST_F(WindowUnits, TheLockWindowShowsItsOwnCursor) {
  ASSERT_TRUE(open(lock_window::kWindowId));
  HWND lock = testWindows().GetWindowHandle(lock_window::kWindowId);
  SetCursor(nullptr);
  EXPECT_TRUE(SendMessageW(lock, WM_SETCURSOR, reinterpret_cast<WPARAM>(lock), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(GetCursor(), &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 1u) << "the arrow's tip";
  EXPECT_EQ(info.yHotspot, 1u);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
}

TEST_F(WindowUnits, TheLockLabelDrawsWithItsOwnSongtiFont) {
  ASSERT_TRUE(open(lock_window::kWindowId));
  const auto font =
      reinterpret_cast<HFONT>(SendMessageW(unit(lock_window::kWindowId, lock_window::透明标签3), WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  ASSERT_TRUE(GetObjectW(font, sizeof lf, &lf));
  EXPECT_EQ(lf.lfHeight, -21);
  EXPECT_EQ(lf.lfWeight, 400);
  EXPECT_EQ(lf.lfCharSet, 134);
  EXPECT_EQ(std::wstring(lf.lfFaceName), L"宋体");
  EXPECT_EQ(SendMessageW(unit(lock_window::kWindowId, lock_window::透明标签1), WM_GETFONT, 0, 0),
            reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)))
      << "the other labels keep the default font";
}

TEST_F(WindowUnits, HiddenHoldersKeepTheirTextWhileTheWindowIsOpen) {
  ASSERT_TRUE(open(audio_window::kWindowId));
  const std::pair<std::uint32_t, std::uint32_t> holders[] = {{main_window::kWindowId, main_window::编辑框1},
                                                             {main_window::kWindowId, main_window::编辑框3},
                                                             {audio_window::kWindowId, audio_window::编辑框1},
                                                             {audio_window::kWindowId, audio_window::编辑框2},
                                                             {audio_window::kWindowId, audio_window::编辑框3}};
  for (const auto& [window, holder] : holders)
    testWindows().SetProperty(window, holder, edit_box_property::text,
                              std::string("C:\\音效\\") + std::to_string(holder) + ".mp3");
  ASSERT_TRUE(open(recorder_window::kWindowId));
  pumpPending();
  for (const auto& [window, holder] : holders) {
    EXPECT_EQ(std::get<std::string>(testWindows().GetProperty(window, holder, edit_box_property::text)),
              std::string("C:\\音效\\") + std::to_string(holder) + ".mp3");
    RECT client;
    GetClientRect(testWindows().GetWindowHandle(window), &client);
    EXPECT_GE(std::get<std::int32_t>(testWindows().GetProperty(window, holder, common_property::top)), client.bottom)
        << "below what the window shows";
  }
}

TEST_F(WindowUnits, OpeningAnOpenWindowBringsItForwardAndRestoresIt) {
  ASSERT_TRUE(open(recorder_window::kWindowId));
  HWND recorder = testWindows().GetWindowHandle(recorder_window::kWindowId);
  const int loaded = testWindows().LoadedWindowCount();
  ASSERT_TRUE(open(notepad_window::kWindowId));
  ASSERT_TRUE(open(recorder_window::kWindowId));
  EXPECT_EQ(testWindows().GetWindowHandle(recorder_window::kWindowId), recorder);
  EXPECT_EQ(GetActiveWindow(), recorder);
  ShowWindow(recorder, SW_MINIMIZE);
  ASSERT_TRUE(open(recorder_window::kWindowId));
  EXPECT_FALSE(IsIconic(recorder));
  EXPECT_EQ(testWindows().LoadedWindowCount(), loaded + 1) << "the notepad, and no second recorder";
  EXPECT_EQ(timesReached(Handler::startRecorderWindow), 1u);
}

TEST_F(WindowUnits, ClosingTheMainWindowClosesTheOthers) {
  for (std::uint32_t id :
       {audio_window::kWindowId, recorder_window::kWindowId, notepad_window::kWindowId, lock_window::kWindowId})
    ASSERT_TRUE(open(id));
  EXPECT_EQ(testWindows().LoadedWindowCount(), 5);
  testWindows().DestroyWindow(main_window::kWindowId);
  EXPECT_TRUE(pumpUntil([] { return testWindows().LoadedWindowCount() == 0; }));
  for (std::uint32_t id : kWindows) EXPECT_EQ(testWindows().GetWindowHandle(id), nullptr);
  EXPECT_EQ(timesReached(Handler::saveNotepadText), 1u) << "the notepad still says it is going";
}

}  // namespace
