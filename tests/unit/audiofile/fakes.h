#pragma once
// Files in memory, a notifier that records, the streams the fake device played as samples, and a
// test rig that wires them with the fake device and the raw PCM decoder.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "sound/audiofile/player_services.h"
#include "sound/bytes.h"
#include "tests/support/audiofile/raw_pcm_source.h"
#include "tests/support/device/fake_wave_output.h"
#include "tests/support/poll.h"

namespace audiofile::testing {

class MemoryFiles final : public FileReader {
 public:
  std::map<std::string, std::vector<std::uint8_t>> files;
  std::optional<std::vector<std::uint8_t>> read(const std::string& gbkPath) override {
    const auto it = files.find(gbkPath);
    if (it == files.end()) return std::nullopt;
    return it->second;
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

// One output stream as the player's tests look at it: 16-bit PCM.
struct PlayedStream {
  PcmFormat format;
  std::vector<std::int16_t> played;  // samples of every buffer the stream finished
  int pauses = 0;
  int resumes = 0;
  bool paused = false;
  bool closed = false;
};

inline std::vector<PlayedStream> streams(const FakeWaveOutput& output) {
  std::vector<PlayedStream> out;
  for (const WaveOutRecord& r : output.records()) {
    PlayedStream s{
        {readLe16(r.format, 2), static_cast<int>(readLe32(r.format, 4))}, {}, r.pauses, r.resumes, r.paused, r.closed};
    EXPECT_EQ(readLe16(r.format, 0), 1) << "PCM";
    EXPECT_EQ(readLe16(r.format, 14), 16) << "16-bit";
    s.played.resize(r.played.size() / 2);
    if (!s.played.empty()) std::memcpy(s.played.data(), r.played.data(), s.played.size() * 2);
    out.push_back(std::move(s));
  }
  return out;
}

struct Rig {
  MemoryFiles files;
  RawPcmSources decoders;
  FakeWaveOutput output;
  RecordingNotifier notifier;
  PlayerServices services{files, decoders, output, notifier};

  // A file of `frames` frames of 576 stereo samples at 44100 Hz, every sample `value` plus its index
  // within the file, so a test can tell files and positions apart.
  std::vector<std::int16_t> addFile(const std::string& path, std::int16_t value, int frames = 40) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(frames) * 576 * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::int16_t>(value + i % 1000);
    files.files[path] = rawPcmFile({2, 44100}, samples);
    return samples;
  }
};

}  // namespace audiofile::testing
