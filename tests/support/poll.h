#pragma once
// The one way tests wait: check a condition until it holds or a deadline passes, pausing briefly
// between checks. `pause` may do useful waiting of its own (wait for window messages, say).
#include <chrono>
#include <thread>

namespace test_support {

inline void pauseBriefly() { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }

template <typename Condition, typename Pause = void (*)()>
[[nodiscard]] bool pollUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(20),
                             Pause pause = pauseBriefly) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    pause();
  }
  return true;
}

}  // namespace test_support
