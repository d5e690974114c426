#pragma once
// A sound device for tests: each opened stream plays its buffers in order on a thread of its own
// and records what it played. A test can hold playback back (buffers stay queued, as with a slow
// device), refuse to open, or refuse buffers after a number of them.
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "sound/audiofile/audio_output.h"

namespace audiofile::testing {

struct StreamRecord {
  PcmFormat format;
  std::vector<std::int16_t> played;  // samples of every buffer the stream finished
  int pauses = 0;
  int resumes = 0;
  bool paused = false;
  bool closed = false;
};

class FakeOutputDevice final : public AudioOutputDevice {
 public:
  ~FakeOutputDevice() override;

  [[nodiscard]] std::unique_ptr<AudioOutput> open(PcmFormat format, std::size_t slots, BufferDone& done) override;

  void hold(bool held);
  bool refuseOpen = false;
  int acceptedBuffers = -1;  // per stream, below 0: no limit

  // Copies, so a test can look while streams play.
  [[nodiscard]] std::vector<StreamRecord> streams() const;
  [[nodiscard]] std::size_t streamCount() const;

 private:
  friend class FakeOutput;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool held_ = false;
  std::vector<std::shared_ptr<StreamRecord>> streams_;
};

}  // namespace audiofile::testing
