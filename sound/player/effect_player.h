#pragma once
// The process-wide sound player behind every effect: plays WAV images (each as an independent
// voice, so sounds overlap) and Standard MIDI Files (one at a time) from memory, and stops all
// sound at once, including the audio-file player's.
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

#include "sound/bytes.h"
#include "sound/device/wave_device.h"
#include "sound/player/midi_output.h"
#include "sound/player/voice_list.h"

class EffectPlayer {
 public:
  EffectPlayer(WaveOutDevice& wave, MidiOutput& midi, std::chrono::milliseconds stallLimit = kFeederWaitLimit)
      : wave_(wave), midi_(midi), stallLimit_(stallLimit) {}
  // Ends all sound and waits for the voices, which refer to this player's list and devices.
  ~EffectPlayer() { StopAndWait(); }
  EffectPlayer(const EffectPlayer&) = delete;
  EffectPlayer& operator=(const EffectPlayer&) = delete;

  // Starts playing a WAV or MIDI image and returns at once; the image may go away afterwards. False
  // when the image is refused or its playback could not start. A refused image disturbs nothing; a
  // MIDI image that parses ends the MIDI piece before it (WAV voices play on).
  [[nodiscard]] bool Play(Bytes sound, bool loop = false);

  // Ends everything that plays without waiting: the audio-file player's slot, the MIDI piece, and
  // every wave voice (each ends shortly afterwards on its own thread).
  void Stop();
  // Stop, then waits until every wave voice that was playing has closed its device and freed its
  // memory. For the program's end.
  void StopAndWait();

  // Called first by every Stop; empties the audio-file player's slot (the audio-file player sets
  // it, once).
  void SetAudioFileStop(std::function<void()> stop);

  [[nodiscard]] std::size_t playingVoices() const { return voices_.size(); }

 private:
  [[nodiscard]] bool playWave(Bytes image, bool loop);
  [[nodiscard]] bool playMidi(Bytes image, bool loop);
  void stopAudioFileAndMidi();

  WaveOutDevice& wave_;
  MidiOutput& midi_;
  const std::chrono::milliseconds stallLimit_;
  VoiceList voices_;
  std::mutex midiLock_;  // the MIDI piece and the audio-file stop
  std::unique_ptr<MidiPlayback> midiPlayback_;
  std::function<void()> audioFileStop_;
};
