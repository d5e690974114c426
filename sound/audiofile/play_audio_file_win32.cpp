#include "sound/audiofile/play_audio_file.h"

#include "sound/audiofile/audio_file_slot.h"
#include "sound/audiofile/mp3_frame_source.h"
#include "sound/audiofile/window_notifier_win32.h"
#include "sound/device/winmm_wave_output_win32.h"
#include "sound/player/effect_player_win32.h"

namespace {

// Stopping all sound empties the slot too. Made after the effect player, so it goes first at the
// process's end and the effect player's last stop never reaches a slot already gone.
class StopWithTheEffectPlayer {
 public:
  explicit StopWithTheEffectPlayer(audiofile::AudioFileSlot& slot) {
    TheEffectPlayer().SetAudioFileStop([&slot] { slot.stop(); });
  }
  ~StopWithTheEffectPlayer() { TheEffectPlayer().SetAudioFileStop(nullptr); }
  StopWithTheEffectPlayer(const StopWithTheEffectPlayer&) = delete;
  StopWithTheEffectPlayer& operator=(const StopWithTheEffectPlayer&) = delete;
};

audiofile::AudioFileSlot& applicationSlot() {
  static audiofile::StdioFileReader files;
  static audiofile::Mp3FrameSources decoders;
  static WinmmWaveOutput output;
  static audiofile::WindowNotifier notifier;
  static audiofile::AudioFileSlot slot({files, decoders, output, notifier});
  static const StopWithTheEffectPlayer stopTogether(slot);
  return slot;
}

}  // namespace

void PlayAudioFile(std::optional<int> playCount, std::span<const std::string> names) {
  applicationSlot().play(playCount, names);
}

void PlayAudioFile(const std::string& path) { PlayAudioFile(std::nullopt, std::span(&path, 1)); }

void StopAudioFileSlot() { applicationSlot().stop(); }
