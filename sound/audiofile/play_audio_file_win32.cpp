#include "sound/audiofile/play_audio_file.h"

#include "sound/audiofile/audio_file_slot.h"
#include "sound/audiofile/mp3_frame_source.h"
#include "sound/audiofile/wave_out_output_win32.h"
#include "sound/audiofile/window_notifier_win32.h"

namespace {

// Made on first use; the program stops all sound before it ends, so the slot is empty by the time
// these go.
audiofile::AudioFileSlot& applicationSlot() {
  static audiofile::StdioFileReader files;
  static audiofile::Mp3FrameSources decoders;
  static audiofile::WaveOutDevice output;
  static audiofile::WindowNotifier notifier;
  static audiofile::AudioFileSlot slot({files, decoders, output, notifier});
  return slot;
}

}  // namespace

void PlayAudioFile(std::optional<int> playCount, std::span<const std::string> names) {
  applicationSlot().play(playCount, names);
}

void PlayAudioFile(const std::string& path) { PlayAudioFile(std::nullopt, std::span(&path, 1)); }

void StopAudioFileSlot() { applicationSlot().stop(); }
