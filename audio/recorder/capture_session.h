#pragma once
// One open input stream of the recorder with its two 4096-byte buffers. The device's done notice
// only records which buffer came back; a worker thread of the session then hands the buffer's
// whole frames to the sink and queues the buffer again, since the device may not be called from
// its own notice. Buffers are handled in the order they were queued, even when the device
// returns them out of step, so the frames reach the sink in capture order.
#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "sound/device/wave_device.h"

class CaptureSession final : public WaveDone {
 public:
  static constexpr std::size_t kBufferBytes = 4096;
  // Called on the worker thread with the whole frames of each returned buffer, in capture order.
  using FrameSink = std::function<void(Bytes frames)>;

  // Opens `device` in `format`; nothing when it does not open.
  [[nodiscard]] static std::unique_ptr<CaptureSession> open(WaveInDevice& device, Bytes format,
                                                            std::uint32_t blockAlign, FrameSink sink);
  // Stops and closes the device, once every buffer is back and handed to the sink.
  ~CaptureSession();
  CaptureSession(const CaptureSession&) = delete;
  CaptureSession& operator=(const CaptureSession&) = delete;

  // Queues both buffers and starts input; false when the device refuses any step.
  [[nodiscard]] bool begin();
  [[nodiscard]] bool pause() { return stream_->pause(); }
  [[nodiscard]] bool resume() { return stream_->resume(); }
  // Takes no more buffers and hands back every queued one; returns once they are all handled (or
  // a second has passed, for a device that keeps one).
  [[nodiscard]] bool stop();
  [[nodiscard]] std::optional<std::uint32_t> position() { return stream_->position(); }
  // Whether a buffer is queued with the device or waiting to be queued again: true while capturing
  // or paused, false once stopped.
  [[nodiscard]] bool capturing() const;

  void bufferDone(std::size_t slot, std::size_t bytes) override;

 private:
  CaptureSession(std::uint32_t blockAlign, FrameSink sink);
  // Queues `slot` unless stopping; the caller holds control_.
  [[nodiscard]] bool queue(std::size_t slot);
  void work();

  const std::uint32_t blockAlign_;
  const FrameSink sink_;
  std::array<std::vector<std::byte>, 2> buffers_;
  std::unique_ptr<WaveInStream> stream_;

  // Held while deciding to queue a buffer and queueing it, and while setting `stopping_`, so no
  // buffer is queued once a stop has begun.
  std::mutex control_;
  bool stopping_ = false;

  mutable std::mutex notices_;
  std::condition_variable changed_;
  std::deque<std::size_t> inFlight_;                    // queued slots, oldest first
  std::array<std::optional<std::size_t>, 2> returned_;  // bytes of a slot back from the device
  bool quitting_ = false;
  std::thread worker_;
};
