#pragma once
// The program's block read with handlers that record what reaches them, and the main window
// loaded as start-up loads it.
#include <windows.h>

#include <gtest/gtest.h>

#include "assets/windows/handlers.h"
#include "assets/windows/main_window_ids.h"
#include "ui/block_resource_win32.h"
#include "ui/window_framework_win32.h"
#include "ui/message_loop_win32.h"
#include "tests/win32/ui/recording_handlers.h"

inline std::size_t timesReached(Handler h) { return eventsOf(handlerReference(h)).size(); }

// Reads the program's block and loads the main window, once per test.
class LoadedWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    replies.clear();
    static const auto handlers = recordingHandlers<static_cast<std::size_t>(Handler::count)>();
    testWindows().ReadTemplates(windowBlockResource(), handlers);
    ASSERT_TRUE(testWindows().LoadWindow(main_window::kWindowId, nullptr));
    main = testWindows().GetWindowHandle(main_window::kWindowId);
    recorded.clear();
  }
  void TearDown() override {
    testWindows().DestroyWindow(main_window::kWindowId);
    pumpUntil([] { return testWindows().LoadedWindowCount() == 0; });
  }
  bool open(std::uint32_t windowId) { return testWindows().LoadWindow(windowId, main); }
  HWND unit(std::uint32_t windowId, std::uint32_t unitId) {
    Unit* u = testWindows().GetUnit(windowId, unitId);
    return u ? u->hwnd() : nullptr;
  }

  HWND main = nullptr;
};
