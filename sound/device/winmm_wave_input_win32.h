#pragma once
// A wave input through winmm: one system device, or the wave mapper, which picks the system's
// preferred one.
#include "sound/device/wave_device.h"

class WinmmWaveInput final : public WaveInDevice {
 public:
  static constexpr unsigned kWaveMapper = 0xFFFFFFFFu;
  explicit WinmmWaveInput(unsigned device) : device_(device) {}

  [[nodiscard]] bool supports(Bytes format) override;
  [[nodiscard]] std::unique_ptr<WaveInStream> open(Bytes format, std::size_t slots, WaveDone& done) override;

 private:
  const unsigned device_;
};
