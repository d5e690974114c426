#include "sound/effects/catalogue.h"

// The labels carry no platform prefix on any target, so the declarations name them exactly.
extern "C" const std::uint8_t effectImagesBegin[] asm("lanxing_effect_images");
extern "C" const std::uint8_t effectImagesEnd[] asm("lanxing_effect_images_end");

namespace {
std::uint32_t readU32(const std::uint8_t* at) {
  // Little-endian whatever the host, and byte by byte: byte sets follow each other unaligned.
  return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24;
}
}  // namespace

std::span<const std::uint8_t> builtInEffect(int number) {
  if (number < 1 || number > kBuiltInEffectCount) return {};
  const std::uint8_t* at = effectImagesBegin;
  const std::uint8_t* end = effectImagesEnd;
  // Each byte set: dimension count 1, byte count N, N bytes.
  for (int n = 1;; ++n) {
    if (end - at < 8 || readU32(at) != 1) return {};
    const std::uint32_t size = readU32(at + 4);
    if (std::uint64_t(end - at - 8) < size) return {};
    if (n == number) return {at + 8, size};
    at += 8 + std::size_t(size);
  }
}
