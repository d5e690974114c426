#pragma once
// The system's MIDI stream output as the effect player uses it.
#include <memory>

#include "sound/player/midi_file.h"

// A running playback; ending it (the destructor) stops the stream, silences the output, waits up to
// two seconds for its buffers to come back, and closes it.
class MidiPlayback {
 public:
  virtual ~MidiPlayback() = default;
};

class MidiOutput {
 public:
  virtual ~MidiOutput() = default;
  // Starts playing the sequence, again from the start after each end when `loop`; nothing when the
  // output cannot be opened or started.
  [[nodiscard]] virtual std::unique_ptr<MidiPlayback> start(const MidiSequence& sequence, bool loop) = 0;
};
