#pragma once
// A recording format: channels, rate and bits, and the frame arithmetic that follows from them.
#include <array>
#include <cstdint>

#include "sound/device/wave_format.h"

struct RecordFormat {
  std::int32_t channels = 1;
  std::int32_t rate = 8000;
  std::int32_t bits = 16;

  [[nodiscard]] std::uint32_t blockAlign() const { return static_cast<std::uint32_t>(channels * bits / 8); }
  [[nodiscard]] std::uint32_t bytesPerSecond() const { return blockAlign() * static_cast<std::uint32_t>(rate); }
  [[nodiscard]] std::array<std::byte, kWaveFormatBytes> waveFormat() const;
  friend bool operator==(const RecordFormat&, const RecordFormat&) = default;
};

// The formats the recorder offers: 1 or 2 channels, 8000, 11025, 22050 or 44100 Hz, 8 or 16 bits.
[[nodiscard]] bool isOfferedFormat(const RecordFormat& format);
