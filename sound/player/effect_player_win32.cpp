#include "sound/player/effect_player_win32.h"

#include <windows.h>

#include <span>
#include <string>

#include "sound/player/winmm_midi_output_win32.h"
#include "sound/device/winmm_wave_output_win32.h"
#include "ui/whole_file.h"

EffectPlayer& TheEffectPlayer() {
  static WinmmWaveOutput wave;
  static WinmmMidiOutput midi;
  static EffectPlayer player(wave, midi);
  return player;
}

bool PlayEffectFile(std::string_view gbkPath, bool loop) {
  if (gbkPath.empty()) return false;
  const WholeFile image = readWholeFile(std::string(gbkPath));
  return image.state == WholeFile::State::read && TheEffectPlayer().Play(std::as_bytes(std::span(image.bytes)), loop);
}
