#pragma once
// The default wave-output device through winmm: one waveOut handle per file, 16-bit PCM in the
// stream's format, a prepared header per buffer of the ring, and a callback that hands each
// buffer back as the device finishes it.
#include <windows.h>

#include <mmsystem.h>

#include "sound/audiofile/audio_output.h"
#include "sound/audiofile/close_retry.h"

namespace audiofile {

class WaveOutDevice final : public AudioOutputDevice {
 public:
  [[nodiscard]] std::unique_ptr<AudioOutput> open(PcmFormat format, std::size_t slots, BufferDone& done) override;
};

// Closes the handle, trying again every 100 ms for as long as the device says it is still playing.
[[nodiscard]] CloseOutcome<MMRESULT> closeWhenIdle(HWAVEOUT device);

}  // namespace audiofile
