#pragma once
// The two chunks of a RIFF/WAVE image the player needs. Parsing never reads past the bytes given.
#include <optional>
#include <vector>

#include "sound/bytes.h"

struct WaveImage {
  Bytes format;  // the "fmt " body, as the device takes it
  Bytes data;    // the "data" body: the samples
};

// The image's "fmt " and "data" bodies, or nothing when it is no playable WAV: shorter than 36
// bytes, no "RIFF"/"WAVE" marks, a chunk missing, or no samples. A chunk whose size runs past the
// RIFF body or the image is cut to the bytes present.
[[nodiscard]] std::optional<WaveImage> ParseWaveImage(Bytes image);

// The format as the wave device reads it: at least the 18 bytes of a WAVEFORMATEX (a 16-byte PCM
// body gets a zero extra-size field), and never more extra bytes than the body holds, so the device
// cannot read past the image.
[[nodiscard]] std::vector<std::byte> DeviceWaveFormat(Bytes format);
