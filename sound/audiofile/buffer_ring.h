#pragma once
// The ring of output buffers between the decoding thread and the device. Buffers are filled in
// ring order; one is free again once the device has marked it done.
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "sound/audiofile/audio_output.h"

namespace audiofile {

class BufferRing final : public BufferDone {
 public:
  BufferRing(std::size_t buffers, std::size_t bytesPerBuffer);

  [[nodiscard]] std::size_t size() const { return busy_.size(); }
  [[nodiscard]] std::span<std::byte> data(std::size_t slot);

  // Waits until the next buffer in ring order is free and marks it queued; nothing once cancelled.
  [[nodiscard]] std::optional<std::size_t> acquire();
  // Gives back a buffer acquired but never queued with the device.
  void release(std::size_t slot);
  void bufferDone(std::size_t slot) override;
  // Waits until the device has handed back every buffer; false once cancelled.
  [[nodiscard]] bool waitUntilAllDone();
  // Wakes and ends every wait, for good.
  void cancel();

 private:
  std::vector<std::byte> memory_;
  const std::size_t bytesPerBuffer_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<bool> busy_;
  std::size_t next_ = 0;
  bool cancelled_ = false;
};

}  // namespace audiofile
