#include "sound/effects/catalogue.h"

// The labels carry no platform prefix on any target, so the declarations name them exactly.
extern "C" const std::byte effectImagesBegin[] asm("lanxing_effect_images");
extern "C" const std::byte effectImagesEnd[] asm("lanxing_effect_images_end");

Bytes builtInEffect(int number) {
  if (number < 1 || number > kBuiltInEffectCount) return {};
  Bytes rest(effectImagesBegin, effectImagesEnd);
  // Each byte set: dimension count 1, byte count N, N bytes; little-endian whatever the host.
  for (int n = 1;; ++n) {
    if (rest.size() < 8 || readLe32(rest, 0) != 1) return {};
    const std::uint32_t size = readLe32(rest, 4);
    if (rest.size() - 8 < size) return {};
    if (n == number) return rest.subspan(8, size);
    rest = rest.subspan(8 + std::size_t(size));
  }
}
