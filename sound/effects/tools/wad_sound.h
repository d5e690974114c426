#pragma once
// Sounds stored in a game data file (WAD): a directory of named lumps, the sounds among them in
// the DMX form (u16 3, u16 rate, u32 sample count, 16 pad bytes, 8-bit unsigned samples, 16 pad
// bytes).
#include <string_view>

#include "sound/effects/tools/wav_image.h"

// The sound lump `name` as a mono 8-bit WAV image at its own rate. Throws when the file has no
// such lump or the lump is not a DMX sound that fits inside it.
Bytes wadSoundAsWav(const Bytes& wad, std::string_view name);
