#pragma once
// The player library's six operations. Each accepts a null player and then does nothing and
// returns 0.
#include "sound/audiofile/player.h"

using PlayerHandle = audiofile::Player*;

// A stopped player over a copy of `fileList` (see file_list.h) with its worker thread running; it
// plays the list `playCount` times, or for ever for 0 or below. Never null.
[[nodiscard]] PlayerHandle CreatePlayer(const audiofile::PlayerServices& services, const char* fileList, int playCount);
// Plays the current file from `startPercent` (0..100), telling `window` the progress; stops what
// played first. 1 when playing started.
int NewPlay(PlayerHandle player, audiofile::NotifyWindow window, const char* startText, double startPercent);
// NewPlay with no window, no start text, from the beginning.
int Play(PlayerHandle player);
// 1 while playing, -1 while paused, 0 otherwise.
[[nodiscard]] int GetPlayState(PlayerHandle player);
// Non-zero pauses a playing player, zero resumes a paused one. 1 when the state changed.
int SetPauseState(PlayerHandle player, int pause);
// Stops playback, ends the worker and frees the player. 1 when there was one.
int RemovePlayer(PlayerHandle player);
