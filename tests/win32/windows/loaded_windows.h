#pragma once
// The program's block read with handlers that record what reaches them, the main window loaded
// as start-up loads it, and a pump that runs the program's message pre-translation.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "assets/windows/handlers.h"
#include "assets/windows/main_window_ids.h"
#include "ui/block_resource_win32.h"
#include "ui/hidden_window_win32.h"
#include "ui/loader_win32.h"
#include "ui/message_loop_win32.h"

struct Reached {
  Handler handler;
  std::uint32_t window, unit;
  std::int32_t event;
};
inline std::vector<Reached> reached;

template <std::size_t N>
std::optional<std::int32_t> recordReached(const EventArgs& e) {
  reached.push_back({static_cast<Handler>(N), e.windowId, e.unitId, e.event});
  return std::nullopt;
}

template <std::size_t... N>
std::vector<HandlerRoutine> recordingTable(std::index_sequence<N...>) {
  return {recordReached<N>...};
}

inline std::size_t timesReached(Handler h) {
  std::size_t n = 0;
  for (const Reached& r : reached) n += r.handler == h;
  return n;
}

// Runs messages as the program's loop does until `done()`, or false once `ms` have passed.
template <class Done>
bool pumpUntil(Done done, DWORD ms = 3000) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      if (msg.message != WM_QUIT && !PreTranslateMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    if (done()) return true;
    if (GetTickCount() - start > ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Reads the program's block and loads the main window, once per test.
class LoadedWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!hiddenMessageWindow()) ASSERT_TRUE(createHiddenMessageWindow());
    static const auto handlers = recordingTable(std::make_index_sequence<static_cast<std::size_t>(Handler::count)>());
    ReadTemplates(windowBlockResource(), handlers);
    ASSERT_TRUE(LoadWindow(main_window::kWindowId, nullptr));
    main = GetWindowHandle(main_window::kWindowId);
    reached.clear();
  }
  void TearDown() override {
    DestroyWindow(main_window::kWindowId);
    pumpUntil([] { return LoadedWindowCount() == 0; });
  }
  bool open(std::uint32_t windowId) { return LoadWindow(windowId, main); }
  HWND unit(std::uint32_t windowId, std::uint32_t unitId) {
    Unit* u = GetUnit(windowId, unitId);
    return u ? u->hwnd() : nullptr;
  }

  HWND main = nullptr;
};
