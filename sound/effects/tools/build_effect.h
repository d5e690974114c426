#pragma once
// One effect from its row: rendered, levelled, encoded and wrapped in its WAV image.
#include "sound/effects/tools/effect_list.h"
#include "sound/effects/tools/pcm.h"
#include "sound/effects/tools/wav_image.h"

// Loud passages peak here, 1 dB below full scale.
inline constexpr double kPeakLevel = 0.8912509;  // -1 dBFS

struct BuiltEffect {
  Bytes image;
  Levels levels;
};

// Throws when the image does not come out at the row's size.
BuiltEffect buildEffect(const EffectRow& row, const ExternalTools& tools);
