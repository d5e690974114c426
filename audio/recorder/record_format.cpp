#include "audio/recorder/record_format.h"

#include <algorithm>

std::array<std::byte, kWaveFormatBytes> RecordFormat::waveFormat() const {
  return PcmWaveFormat(static_cast<std::uint16_t>(channels), static_cast<std::uint32_t>(rate),
                       static_cast<std::uint16_t>(bits));
}

bool isOfferedFormat(const RecordFormat& f) {
  constexpr std::array kRates = {8000, 11025, 22050, 44100};
  return (f.channels == 1 || f.channels == 2) && (f.bits == 8 || f.bits == 16) &&
         std::find(kRates.begin(), kRates.end(), f.rate) != kRates.end();
}
