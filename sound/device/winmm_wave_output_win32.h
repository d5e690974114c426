#pragma once
// The default wave output through winmm's wave mapper, which also finds a codec for compressed
// formats such as MPEG Layer-3.
#include "sound/device/wave_device.h"

class WinmmWaveOutput final : public WaveOutDevice {
 public:
  [[nodiscard]] std::unique_ptr<WaveOutStream> open(Bytes format, std::size_t slots, WaveDone& done) override;
};
