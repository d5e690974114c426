// The ring between a feeding thread and a device: ring order, how stop and cancel end the waits,
// and the stall limit.
#include "sound/device/buffer_ring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace {

using namespace std::chrono_literals;

TEST(BufferRing, BuffersAreZeroFilledAndHandedOutInRingOrder) {
  BufferRing ring;
  ASSERT_TRUE(ring.allocate(3, 100));
  EXPECT_EQ(ring.size(), 3u);
  for (std::size_t slot = 0; slot < 3; ++slot) {
    EXPECT_EQ(ring.data(slot).size(), 100u);
    EXPECT_TRUE(
        std::all_of(ring.data(slot).begin(), ring.data(slot).end(), [](std::byte b) { return b == std::byte{0}; }));
    EXPECT_EQ(ring.acquire(), slot);
  }
  EXPECT_NE(ring.data(0).data(), ring.data(1).data());
  ring.bufferDone(1, 100);  // out of order: slot 0 is still out, so the ring waits for it
  std::thread device([&] { ring.bufferDone(0, 100); });
  EXPECT_EQ(ring.acquire(), 0u);
  device.join();
  EXPECT_EQ(ring.acquire(), 1u);
  ring.release(2);
  EXPECT_EQ(ring.acquire(), 2u) << "a released buffer is free again";
}

TEST(BufferRing, AStopStillHandsOutFreeBuffersACancelNone) {
  struct Case {
    bool cancel;
    std::size_t handedOut;
  };
  for (const Case c : {Case{false, 2}, Case{true, 0}}) {
    BufferRing ring;
    ASSERT_TRUE(ring.allocate(2, 10));
    if (c.cancel)
      ring.cancel();
    else
      ring.stop();
    std::size_t handedOut = 0;
    while (const std::optional<std::size_t> slot = ring.acquire()) EXPECT_EQ(*slot, handedOut++);
    EXPECT_EQ(handedOut, c.handedOut) << "cancel " << c.cancel;
    for (std::size_t slot = 0; slot < handedOut; ++slot) ring.bufferDone(slot, 10);
    EXPECT_EQ(ring.waitUntilAllDone(), !c.cancel) << "after a stop, buffers all back still count";
  }
}

TEST(BufferRing, AStopOrCancelEndsAWaitInProgress) {
  for (const bool cancel : {false, true}) {
    BufferRing ring;
    ASSERT_TRUE(ring.allocate(1, 10));
    ASSERT_EQ(ring.acquire(), 0u);
    std::thread other([&] { cancel ? ring.cancel() : ring.stop(); });
    EXPECT_EQ(ring.acquire(), std::nullopt);
    EXPECT_FALSE(ring.waitUntilAllDone());
    other.join();
  }
}

TEST(BufferRing, AllDoneStartsTheRingOrderAgainAtTheFirstBuffer) {
  BufferRing ring;
  ASSERT_TRUE(ring.allocate(3, 10));
  ASSERT_EQ(ring.acquire(), 0u);
  ASSERT_EQ(ring.acquire(), 1u);
  std::thread device([&] {
    ring.bufferDone(0, 10);
    ring.bufferDone(1, 10);
  });
  EXPECT_TRUE(ring.waitUntilAllDone());
  device.join();
  EXPECT_EQ(ring.acquire(), 0u);
}

TEST(BufferRing, WaitsEndWhenNoBufferComesBackWithinTheStallLimit) {
  BufferRing ring(20ms);
  ASSERT_TRUE(ring.allocate(1, 10));
  ASSERT_EQ(ring.acquire(), 0u);
  EXPECT_EQ(ring.acquire(), std::nullopt);
  EXPECT_FALSE(ring.waitUntilAllDone());
  ring.bufferDone(0, 10);
  EXPECT_EQ(ring.acquire(), 0u) << "a stall ends one wait, not the ring";
}

}  // namespace
