#pragma once
// Drum sounds and step-sequenced loops. A loop's hits are placed on a circle: a hit that rings past
// the end continues at the start, so the sound is continuous across the seam when it repeats.
#include <cstdint>
#include <string_view>
#include <vector>

#include "sound/effects/tools/signal.h"

enum class Drum { kick, snare, closedHat, openHat, clap, rim, tomLow, tomHigh, cowbell, shaker, clave, crash };

std::vector<float> drumHit(Drum drum, int rate, Rng& rng);

// One line of a pattern: one character per step, 'X' accent, 'x' normal, 'o' soft, '.' rest.
struct DrumLine {
  Drum drum;
  std::string_view steps;
  float pan = 0.0f;
};

struct LoopShape {
  int bars = 1;          // the pattern lines are one bar and repeat
  double swing = 0.0;    // share of a step by which off-beat steps are late (0 … 0.5)
};

// Renders `frames` frames whose length is exactly `bars` bars of the pattern.
Stereo drumLoop(int rate, std::size_t frames, const std::vector<DrumLine>& lines, LoopShape shape, std::uint64_t seed);
