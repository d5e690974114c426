#pragma once
// MIDI playback through winmm's MIDI stream output on the MIDI mapper.
#include "sound/player/midi_output.h"

class WinmmMidiOutput final : public MidiOutput {
 public:
  [[nodiscard]] std::unique_ptr<MidiPlayback> start(const MidiSequence& sequence, bool loop) override;
};
