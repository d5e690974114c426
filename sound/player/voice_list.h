#pragma once
// The wave voices that are playing, under one process-wide lock. A voice joins when Play starts it
// and leaves (and is freed) when its feeder ends.
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "sound/player/wave_voice.h"

class VoiceList {
 public:
  WaveVoice& add(std::unique_ptr<WaveVoice> voice);
  // Frees the voice and wakes anyone waiting for it to finish.
  void remove(const WaveVoice& voice);
  // Sets every voice's stop event; does not wait.
  void stopAll();
  // Sets the stop event of every voice in the list now and waits until each of them has finished.
  void stopAllAndWait();
  [[nodiscard]] std::size_t size() const;

 private:
  struct Entry {
    std::uint64_t serial;  // tells a finished voice from a later one at the same address
    std::unique_ptr<WaveVoice> voice;
  };
  [[nodiscard]] bool holds(std::uint64_t serial) const;

  mutable std::mutex mutex_;
  std::condition_variable removed_;
  std::vector<Entry> voices_;
  std::uint64_t nextSerial_ = 0;
};
