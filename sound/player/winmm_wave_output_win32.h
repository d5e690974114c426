#pragma once
// The default wave-output device through winmm's wave mapper, which also finds a codec for
// compressed formats such as MPEG Layer-3.
#include "sound/player/wave_output.h"

class WinmmWaveOutput final : public WaveOutput {
 public:
  [[nodiscard]] std::unique_ptr<WaveStream> open(Bytes format, WaveCompletion& completion) override;
};
