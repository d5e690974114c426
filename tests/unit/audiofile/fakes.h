#pragma once
// Files in memory, a notifier that records, and a test rig that wires them with the fake device
// and the raw PCM decoder.
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "sound/audiofile/player_services.h"
#include "tests/support/audiofile/raw_pcm_source.h"
#include "tests/support/poll.h"
#include "tests/unit/audiofile/fake_output.h"

namespace audiofile::testing {

class MemoryFiles final : public FileReader {
 public:
  std::map<std::string, FileContents> files;
  FileContents read(const std::string& gbkPath) override {
    const auto it = files.find(gbkPath);
    return it == files.end() ? FileContents{kFileNotFound, {}} : it->second;
  }
};

class RecordingNotifier final : public ProgressNotifier {
 public:
  void post(NotifyWindow window, int percent) override {
    std::lock_guard lock(mutex_);
    notices_.emplace_back(window, percent);
  }
  [[nodiscard]] std::vector<std::pair<NotifyWindow, int>> notices() const {
    std::lock_guard lock(mutex_);
    return notices_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::pair<NotifyWindow, int>> notices_;
};

struct Rig {
  MemoryFiles files;
  RawPcmSources decoders;
  FakeOutputDevice output;
  RecordingNotifier notifier;
  PlayerServices services{files, decoders, output, notifier};

  // A file of `frames` frames of 576 stereo samples at 44100 Hz, every sample `value` plus its index
  // within the file, so a test can tell files and positions apart.
  std::vector<std::int16_t> addFile(const std::string& path, std::int16_t value, int frames = 40) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(frames) * 576 * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::int16_t>(value + i % 1000);
    files.files[path] = {kReadOk, rawPcmFile({2, 44100}, samples)};
    return samples;
  }
};

}  // namespace audiofile::testing
