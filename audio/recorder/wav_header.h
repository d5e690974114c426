#pragma once
// The 44-byte header of a recorded WAV file: RIFF, a 16-byte PCM format chunk, then the data chunk
// of the size given, written once with the sizes known.
#include <array>
#include <cstddef>
#include <cstdint>

#include "audio/recorder/record_format.h"

inline constexpr std::size_t kWavHeaderBytes = 44;
// The most data a WAV file can hold with its sizes in 32 bits: the whole file stays under 4 GiB.
inline constexpr std::uint64_t kLargestWavData = 0x1'0000'0000ull - kWavHeaderBytes;

// `dataBytes` must not pass kLargestWavData.
[[nodiscard]] std::array<std::byte, kWavHeaderBytes> wavHeader(const RecordFormat& format, std::uint32_t dataBytes);
