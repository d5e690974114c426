#include "sound/player/wave_image.h"

#include <algorithm>

#include "sound/device/wave_format.h"

namespace {

constexpr std::size_t kShortestImage = 36;
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kFirstChunk = 12;

}  // namespace

std::optional<WaveImage> ParseWaveImage(Bytes image) {
  if (image.size() < kShortestImage || !hasTag(image, 0, "RIFF") || !hasTag(image, 8, "WAVE")) return std::nullopt;
  // Chunks end where the RIFF body ends, or where the bytes end if the RIFF size claims more.
  const std::size_t end =
      static_cast<std::size_t>(std::min<std::uint64_t>(image.size(), std::uint64_t{8} + readLe32(image, 4)));
  std::optional<Bytes> format, data;
  std::size_t at = kFirstChunk;
  while (!(format && data) && at + kChunkHeader <= end) {
    const std::size_t bodyStart = at + kChunkHeader;
    const std::size_t declared = readLe32(image, at + 4);
    const Bytes body = image.subspan(bodyStart, std::min(declared, end - bodyStart));
    if (hasTag(image, at, "fmt "))
      format = body;
    else if (hasTag(image, at, "data"))
      data = body;
    if (declared >= end - bodyStart) break;  // the body reaches the end: no chunk can follow
    at = bodyStart + declared + (declared & 1);
  }
  if (!format || !data || data->empty()) return std::nullopt;
  return WaveImage{*format, *data};
}

std::vector<std::byte> DeviceWaveFormat(Bytes format) {
  std::size_t extra = 0;
  if (format.size() >= kWaveFormatBytes)
    extra = std::min<std::size_t>(readLe16(format, 16), format.size() - kWaveFormatBytes);
  std::vector<std::byte> device(kWaveFormatBytes + extra);
  std::copy_n(format.begin(), std::min(format.size(), device.size()), device.begin());
  device[16] = static_cast<std::byte>(extra & 0xFF);
  device[17] = static_cast<std::byte>(extra >> 8);
  return device;
}
