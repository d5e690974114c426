#pragma once
// The 64 built-in effects: whole WAV images in the program's read-only data, found by their
// number (FX-01 … FX-64, storage order). The bytes live as long as the process and never change.
#include "sound/bytes.h"

inline constexpr int kBuiltInEffectCount = 64;

// The image of effect `number` (1…64); empty for any other number.
[[nodiscard]] Bytes builtInEffect(int number);
