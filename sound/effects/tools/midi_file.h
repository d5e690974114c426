#pragma once
// Standard MIDI files (format 0, one track) written from notes timed in seconds. The effects
// that are music are written this way and rendered through a General MIDI soundfont.
#include <vector>

#include "sound/effects/tools/wav_image.h"

// Bank 128 is a drum kit: its notes go on channel 10, where the key picks the drum.
struct MidiPatch {
  int bank = 0;
  int program = 0;
  friend bool operator==(const MidiPatch&, const MidiPatch&) = default;
};
inline constexpr int kDrumBank = 128;

struct MidiNote {
  double start = 0, length = 0.5;  // seconds
  int key = 60;
  int velocity = 100;  // 1…127
  MidiPatch patch;
  float pan = 0.0f;  // -1 left … +1 right
};

// Time is kept at 960 ticks a second (480 per quarter note at 120 beats a minute).
inline constexpr int kTicksPerSecond = 960;

// Notes of one patch and pan share a channel; more than 15 such pairs (besides the drums) do not
// fit and throw. The track ends at `endSeconds`, or later if a note is still sounding.
Bytes midiFile(const std::vector<MidiNote>& notes, double endSeconds);
