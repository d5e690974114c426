#pragma once
// Handlers for framework tests: each records the events it receives and answers what the test
// asks it to; and a message pump that runs the program's pre-translation until a condition holds.
#include <windows.h>
#include <ole2.h>

#include <array>
#include <chrono>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "tests/support/poll.h"
#include "ui/message_loop_win32.h"
#include "ui/window_framework_win32.h"
#include "ui/window_table.h"

struct RecordedEvent {
  std::size_t handler;
  std::uint32_t window, unit;
  std::int32_t event;
  std::vector<std::int32_t> args;
};

inline std::vector<RecordedEvent> recorded;
inline std::map<std::size_t, std::int32_t> replies;  // handler -> the value it returns

template <std::size_t N>
std::optional<std::int32_t> recordingHandler(const EventArgs& e) {
  recorded.push_back({N, e.windowId, e.unitId, e.event, {e.args.begin(), e.args.end()}});
  if (const auto reply = replies.find(N); reply != replies.end()) return reply->second;
  return std::nullopt;
}

template <std::size_t... N>
std::vector<HandlerRoutine> recordingHandlers(std::index_sequence<N...>) {
  return {recordingHandler<N>...};
}

template <std::size_t Count>
std::vector<HandlerRoutine> recordingHandlers() {
  return recordingHandlers(std::make_index_sequence<Count>());
}

// Events handler `h` received, in order.
inline std::vector<RecordedEvent> eventsOf(std::size_t h) {
  std::vector<RecordedEvent> found;
  for (const RecordedEvent& e : recorded)
    if (e.handler == h) found.push_back(e);
  return found;
}

// Processes messages as the program's loop does until `done()` or two seconds have passed.
template <class Done>
bool pumpUntil(Done done, DWORD milliseconds = 2000) {
  const auto servedAndDone = [&] {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT || PreTranslateMessage(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    return done();
  };
  const auto waitForMessages = [] { MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT); };
  return test_support::pollUntil(servedAndDone, std::chrono::milliseconds(milliseconds), waitForMessages);
}

// Works through what is queued now.
inline void pumpPending() {
  pumpUntil([] { return true; }, 0);
}

// The framework the tests load their windows with, made the first time it is asked for, after OLE,
// as start-up makes the program's.
inline WindowFramework& testWindows() {
  static const bool ole = SUCCEEDED(OleInitialize(nullptr));
  static WindowFramework windows;
  (void)ole;
  return windows;
}
