#pragma once
// Wave format records as the devices take them: the 18 bytes of a WAVEFORMATEX, then as many extra
// bytes as its last field gives.
#include <array>
#include <cstddef>
#include <cstdint>

#include "sound/bytes.h"

inline constexpr std::size_t kWaveFormatBytes = 18;

// A PCM record: tag 1, the channels, rate and bits given, block align and byte rate computed from
// them, no extra bytes.
[[nodiscard]] std::array<std::byte, kWaveFormatBytes> PcmWaveFormat(std::uint16_t channels, std::uint32_t rate,
                                                                    std::uint16_t bits);

// True when `format` is a whole record: its 18 bytes and every extra byte it claims are there, so a
// device reading it stays inside.
[[nodiscard]] bool IsWholeWaveFormat(Bytes format);
