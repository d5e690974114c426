#pragma once
// Closing a device that may still be playing: the close is tried again after a pause for as long
// as it answers "still playing".
#include <chrono>
#include <thread>

inline constexpr std::chrono::milliseconds kCloseRetryPause{100};

template <class Result>
struct CloseOutcome {
  Result result;
  int attempts;
};

template <class Result, class Close>
[[nodiscard]] CloseOutcome<Result> closeRetrying(Close close, Result stillPlaying,
                                                 std::chrono::milliseconds pause = kCloseRetryPause) {
  for (int attempts = 1;; ++attempts) {
    const Result result = close();
    if (result != stillPlaying) return {result, attempts};
    std::this_thread::sleep_for(pause);
  }
}
