#pragma once
// The application's audio-file slot: PlayAudioFile for the custom effects and their hotkeys, and
// the stop that stopping all sound calls first. Both run on the user-interface thread and return
// at once.
#include <optional>
#include <span>
#include <string>

// Removes the player in the slot, then plays `names` (empty ones left out) from disk: once when
// `playCount` is not given, not at all for 0, until stopped for any value below 0.
void PlayAudioFile(std::optional<int> playCount, std::span<const std::string> names);
// The system's own call: one file, once.
void PlayAudioFile(const std::string& path);
// Removes the player in the slot, if any. Once the slot is in use, the effect player's Stop (and its
// stop at the program's end) calls this first.
void StopAudioFileSlot();
