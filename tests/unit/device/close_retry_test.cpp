// Closing a device that is still playing: retried after a pause until it answers otherwise.
#include "sound/device/close_retry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kStillPlaying = 33;

TEST(CloseRetry, TriesAgainOnlyWhileTheDeviceIsStillPlaying) {
  struct Case {
    std::vector<int> answers;
    int result, attempts;
  };
  const Case cases[] = {
      {{0}, 0, 1}, {{5}, 5, 1}, {{kStillPlaying, kStillPlaying, 0}, 0, 3}, {{kStillPlaying, 5}, 5, 2}};
  for (const Case& c : cases) {
    std::size_t calls = 0;
    const CloseOutcome<int> outcome =
        closeRetrying([&] { return c.answers.at(calls++); }, kStillPlaying, std::chrono::milliseconds(1));
    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.attempts, c.attempts);
    EXPECT_EQ(calls, c.answers.size());
  }
}

}  // namespace