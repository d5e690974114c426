#include "sound/effects/tools/wad_sound.h"

#include <stdexcept>
#include <string>

namespace {
std::uint32_t le(const Bytes& b, std::size_t at, int bytes) {
  if (at + std::size_t(bytes) > b.size()) throw std::runtime_error("WAD read past its end");
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + std::size_t(i)];
  return v;
}

constexpr std::size_t kPad = 16;
}  // namespace

Bytes wadSoundAsWav(const Bytes& wad, std::string_view name) {
  if (wad.size() < 12 ||
      (std::string(wad.begin(), wad.begin() + 4) != "IWAD" && std::string(wad.begin(), wad.begin() + 4) != "PWAD"))
    throw std::runtime_error("not a WAD file");
  const std::uint32_t lumps = le(wad, 4, 4), directory = le(wad, 8, 4);
  for (std::uint32_t i = 0; i < lumps; ++i) {
    const std::size_t entry = directory + std::size_t(i) * 16;
    le(wad, entry, 4);
    std::string lumpName(wad.begin() + std::ptrdiff_t(entry + 8), wad.begin() + std::ptrdiff_t(entry + 16));
    lumpName = lumpName.substr(0, lumpName.find('\0'));
    if (lumpName != name) continue;
    const std::size_t at = le(wad, entry, 4), size = le(wad, entry + 4, 4);
    if (at + size > wad.size() || size < 8 || le(wad, at, 2) != 3)
      throw std::runtime_error(lumpName + " is not a DMX sound");
    const std::uint32_t rate = le(wad, at + 2, 2), count = le(wad, at + 4, 4);
    if (count < 2 * kPad || 8 + std::size_t(count) > size)
      throw std::runtime_error(lumpName + " is shorter than it says");
    const auto first = wad.begin() + std::ptrdiff_t(at + 8 + kPad);
    const Bytes samples(first, first + std::ptrdiff_t(count - 2 * kPad));
    return buildWavImage(pcmFormat(1, int(rate), 8, false), {}, samples, {});
  }
  throw std::runtime_error("no lump " + std::string(name) + " in the WAD file");
}
