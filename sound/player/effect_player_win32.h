#pragma once
// The program's one effect player, on the system's wave and MIDI outputs. It lives until the
// process ends; the program's end calls TheEffectPlayer().StopAndWait() before exiting.
#include <string_view>

#include "sound/player/effect_player.h"

[[nodiscard]] EffectPlayer& TheEffectPlayer();

// Play with a file name: the whole file is read (others may read it meanwhile, not write it). False
// for an empty name, a file that cannot be opened or read, or an empty file.
[[nodiscard]] bool PlayEffectFile(std::string_view gbkPath, bool loop = false);
