#include "sound/player/effect_player.h"

#include "sound/player/midi_file.h"
#include "sound/player/wave_image.h"

bool EffectPlayer::Play(Bytes sound, bool loop) {
  if (sound.size() > 11 && hasTag(sound, 0, "RIFF") && hasTag(sound, 8, "WAVE")) return playWave(sound, loop);
  if (sound.size() > 4 && hasTag(sound, 0, "MThd")) return playMidi(sound, loop);
  return false;
}

bool EffectPlayer::playWave(Bytes image, bool loop) {
  const std::optional<WaveImage> parsed = ParseWaveImage(image);
  if (!parsed) return false;
  std::unique_ptr<WaveVoice> voice = WaveVoice::Create(*parsed, loop, wave_, stallLimit_);
  if (!voice) return false;
  WaveVoice& added = voices_.add(std::move(voice));
  if (added.startFeeder([this](const WaveVoice& ended) { voices_.remove(ended); })) return true;
  voices_.remove(added);
  return false;
}

bool EffectPlayer::playMidi(Bytes image, bool loop) {
  // A file that does not parse plays nothing and leaves the piece that plays alone.
  const std::optional<MidiSequence> sequence = ParseMidiFile(image);
  if (!sequence) return false;
  std::lock_guard lock(midiLock_);
  midiPlayback_.reset();
  midiPlayback_ = midi_.start(*sequence, loop);
  return midiPlayback_ != nullptr;
}

void EffectPlayer::stopAudioFileAndMidi() {
  std::lock_guard lock(midiLock_);
  if (audioFileStop_) audioFileStop_();
  midiPlayback_.reset();
}

void EffectPlayer::Stop() {
  stopAudioFileAndMidi();
  voices_.stopAll();
}

void EffectPlayer::StopAndWait() {
  stopAudioFileAndMidi();
  voices_.stopAllAndWait();
}

void EffectPlayer::SetAudioFileStop(std::function<void()> stop) {
  std::lock_guard lock(midiLock_);
  audioFileStop_ = std::move(stop);
}
