#include "sound/audiofile/player_library.h"

#include "sound/audiofile/file_list.h"

using audiofile::PlayerState;

PlayerHandle CreatePlayer(const audiofile::PlayerServices& services, const char* fileList, int playCount) {
  return new audiofile::Player(services, audiofile::namesFromFileList(fileList), playCount);
}

int NewPlay(PlayerHandle player, audiofile::NotifyWindow window, const char* startText, double startPercent) {
  if (!player) return 0;
  return player->newPlay(window, startText ? startText : "", startPercent) ? 1 : 0;
}

int Play(PlayerHandle player) { return NewPlay(player, nullptr, nullptr, 0); }

int GetPlayState(PlayerHandle player) {
  if (!player) return 0;
  switch (player->state()) {
    case PlayerState::playing: return 1;
    case PlayerState::paused: return -1;
    case PlayerState::stopped: return 0;
  }
  return 0;
}

int SetPauseState(PlayerHandle player, int pause) {
  if (!player) return 0;
  return player->setPaused(pause != 0) ? 1 : 0;
}

int RemovePlayer(PlayerHandle player) {
  if (!player) return 0;
  delete player;
  return 1;
}
