// Any bytes as a JPEG file: the decoder must stay in bounds and end, and whatever it decodes must
// have the pixels its size calls for, within the largest size allowed.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/pictures/jpeg_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto p = decodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size));
  if (p && (p->width < 1 || p->height < 1 || p->width > kLargestPictureSide || p->height > kLargestPictureSide ||
            p->rgb.size() != static_cast<std::size_t>(p->width) * static_cast<std::size_t>(p->height)))
    std::abort();
  return 0;
}
