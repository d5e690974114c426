#pragma once
// A MIDI output for tests: remembers what it was asked to play and which playbacks are still alive.
#include <memory>
#include <mutex>
#include <vector>

#include "sound/player/midi_output.h"

class FakeMidiOutput final : public MidiOutput {
 public:
  struct Started {
    MidiSequence sequence;
    bool loop;
  };

  std::unique_ptr<MidiPlayback> start(const MidiSequence& sequence, bool loop) override {
    std::lock_guard lock(mutex_);
    if (refuse_) return nullptr;
    started_.push_back({sequence, loop});
    ++alive_;
    return std::make_unique<Playback>(*this);
  }

  void refuse(bool refuse) {
    std::lock_guard lock(mutex_);
    refuse_ = refuse;
  }
  [[nodiscard]] int alive() const {
    std::lock_guard lock(mutex_);
    return alive_;
  }
  [[nodiscard]] std::vector<Started> started() const {
    std::lock_guard lock(mutex_);
    return started_;
  }

 private:
  struct Playback final : MidiPlayback {
    explicit Playback(FakeMidiOutput& output) : output_(output) {}
    ~Playback() override {
      std::lock_guard lock(output_.mutex_);
      --output_.alive_;
    }
    FakeMidiOutput& output_;
  };

  mutable std::mutex mutex_;
  std::vector<Started> started_;
  int alive_ = 0;
  bool refuse_ = false;
};
