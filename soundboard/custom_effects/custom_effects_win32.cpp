#include "soundboard/custom_effects/custom_effects_win32.h"

#include <array>

#include "sound/audiofile/play_audio_file.h"
#include "sound/player/effect_player_win32.h"
#include "soundboard/hotkeys/global_hotkeys_win32.h"
#include "ui/message_box_win32.h"

namespace {
std::array<int, 4> hotkeyIdentifiers{};  // F1..F4, kept for the whole run
}

void registerCustomEffectHotkeys(HWND window, HWND receiver) {
  const unsigned keys[] = {VK_F1, VK_F2, VK_F3, VK_F4};
  for (std::size_t i = 0; i < 4; ++i)
    hotkeyIdentifiers[i] = globalHotkeys().RegisterGlobalHotkey(window, receiver, 0, keys[i]);
}

void playCustomEffect(const std::string& path, const std::string& hintText, const char* hintTitle) {
  if (path.empty()) {
    showMessageBox(hintText, hintTitle);
    return;
  }
  TheEffectPlayer().Stop();
  PlayAudioFile(path);
}

void onCustomEffectHotkey(int notice, const std::function<std::string(int)>& pathOf) {
  const HotkeyAction action = actionForHotkey(hotkeyIdentifiers, notice);
  if (action.kind == HotkeyAction::playCustomEffect)
    playCustomEffect(pathOf(action.effect), hotkeyHintText(action.effect), kHotkeyHintTitle);
  else if (action.kind == HotkeyAction::stopAll)
    TheEffectPlayer().Stop();
}
