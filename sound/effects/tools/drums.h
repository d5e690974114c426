#pragma once
// Synthetic drum sounds, for the effects that strike a drum among other sounds.
#include <cstdint>
#include <string_view>
#include <vector>

#include "sound/effects/tools/signal.h"

enum class Drum { kick, snare, closedHat, openHat, clap, rim, tomLow, tomHigh, cowbell, shaker, clave, crash };

std::vector<float> drumHit(Drum drum, int rate, Rng& rng);
