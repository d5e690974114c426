#pragma once
// One file being played: its bytes, the decoder over them, the output device and the thread that
// decodes into the device's buffers. Ends by sending exactly one end notice, unless torn down first.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "sound/audiofile/event_queue.h"
#include "sound/audiofile/player_services.h"
#include "sound/device/buffer_ring.h"

namespace audiofile {

inline constexpr std::size_t kOutputBuffers = 8;
inline constexpr std::size_t kOutputBufferBytes = 16384;  // whole sample frames, mono or stereo

class Pipeline {
 public:
  using EndHandler = std::function<void(EndNotice)>;

  // Reads the file, moves the decoder to the start position, opens the device in the format of the
  // first frame and starts decoding. Nothing when the file cannot be read, holds no stream the
  // decoder knows, memory runs out, or the device cannot be opened.
  [[nodiscard]] static std::unique_ptr<Pipeline> open(const PlayerServices& services, const std::string& path,
                                                      double startPercent, NotifyWindow window, std::uint64_t serial,
                                                      EndHandler onEnd);
  // Stops the decoding thread, then closes the device (which hands back its buffers).
  ~Pipeline();
  Pipeline(const Pipeline&) = delete;
  Pipeline& operator=(const Pipeline&) = delete;

  void pause();
  void resume();

 private:
  Pipeline(ProgressNotifier& notifier, NotifyWindow window, std::uint64_t serial, EndHandler onEnd,
           std::unique_ptr<FrameSource> source, PcmFormat format);

  enum class Fill { taken, refused, cancelled };

  void decode(PcmFrame first);
  // Copies samples into the ring, queueing each buffer as it fills.
  [[nodiscard]] Fill fill(std::span<const std::byte> pcm);
  // Queues the buffer being filled; false (and the buffer free again) when the device refuses it.
  [[nodiscard]] bool queueFilled();
  void reportProgress();

  ProgressNotifier& notifier_;
  const NotifyWindow window_;
  const std::uint64_t serial_;
  const EndHandler onEnd_;
  const std::unique_ptr<FrameSource> source_;
  const PcmFormat format_;
  BufferRing ring_;  // outlives the device, which may still hand buffers back while closing
  std::unique_ptr<WaveOutStream> output_;
  std::optional<std::size_t> filling_;  // the buffer being filled, and how far
  std::size_t filled_ = 0;
  int lastPercent_ = -1;
  std::thread thread_;
};

}  // namespace audiofile
