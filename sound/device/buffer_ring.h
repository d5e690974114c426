#pragma once
// The buffers behind a stream's slots: all in one zero-filled block, handed out in ring order, and
// free again once the device has marked them done. The waits end when the ring is stopped or
// cancelled, or when no buffer has come back within the stall limit, if one was given.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "sound/device/wave_device.h"

class BufferRing final : public WaveDone {
 public:
  explicit BufferRing(std::optional<std::chrono::milliseconds> stallLimit = std::nullopt) : stallLimit_(stallLimit) {}

  // Makes `count` buffers of `bytes` each, all free; false when memory runs out.
  [[nodiscard]] bool allocate(std::size_t count, std::size_t bytes);
  // Frees the memory; the ring must be idle.
  void free();

  [[nodiscard]] std::size_t size() const { return busy_.size(); }
  [[nodiscard]] std::span<std::byte> data(std::size_t slot);

  // Waits until the next buffer in ring order is free and marks it queued. Nothing once cancelled,
  // once stopped with that buffer still out, or when the wait stalls. Free buffers are handed out
  // before a stop is seen.
  [[nodiscard]] std::optional<std::size_t> acquire();
  // Gives back a buffer acquired but never queued with the device.
  void release(std::size_t slot);
  void bufferDone(std::size_t slot, std::size_t bytes) override;
  // Waits until every buffer is back, then starts the ring order again at the first; false once
  // cancelled, once stopped with a buffer still out, or when the wait stalls.
  [[nodiscard]] bool waitUntilAllDone();

  // Ends the waits that cannot be served at once by a free buffer, for good.
  void stop();
  // Ends every wait at once, for good.
  void cancel();

 private:
  // Waits until `ready` holds; false when cancelled, or stopped before it holds, or stalled.
  template <typename Ready>
  [[nodiscard]] bool waitUntil(std::unique_lock<std::mutex>& lock, Ready ready);

  const std::optional<std::chrono::milliseconds> stallLimit_;
  std::unique_ptr<std::byte[]> memory_;
  std::size_t bytesPerBuffer_ = 0;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<bool> busy_;
  std::size_t next_ = 0;
  std::uint64_t returns_ = 0;  // buffers back so far: any return shows the device is alive
  bool stopped_ = false;
  bool cancelled_ = false;
};
