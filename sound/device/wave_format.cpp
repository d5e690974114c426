#include "sound/device/wave_format.h"

namespace {

void putLe(std::span<std::byte> out, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<std::byte>(value >> (8 * i));
}

}  // namespace

std::array<std::byte, kWaveFormatBytes> PcmWaveFormat(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
  std::array<std::byte, kWaveFormatBytes> format{};
  const std::uint32_t blockAlign = channels * bits / 8u;
  putLe(format, 0, 1, 2);
  putLe(format, 2, channels, 2);
  putLe(format, 4, rate, 4);
  putLe(format, 8, rate * blockAlign, 4);
  putLe(format, 12, blockAlign, 2);
  putLe(format, 14, bits, 2);
  return format;
}

bool IsWholeWaveFormat(Bytes format) {
  return format.size() >= kWaveFormatBytes && readLe16(format, 16) <= format.size() - kWaveFormatBytes;
}
