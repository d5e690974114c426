#include "ui/pictures/icon_file.h"

#include <cstdlib>

#include "ui/format/record_io.h"

std::optional<IconImage> pickIconImage(std::string_view file, int size) {
  RecordReader r(file);
  std::uint16_t reserved = 0, type = 0, count = 0;
  if (!(r.u16(reserved) && r.u16(type) && r.u16(count)) || reserved != 0 || (type != 1 && type != 2) || count == 0)
    return std::nullopt;
  std::optional<IconImage> best;
  for (std::uint16_t i = 0; i < count; ++i) {
    std::uint32_t wh = 0, planesOrHotX = 0, bitsOrHotY = 0, length = 0, offset = 0;
    std::uint16_t a = 0, b = 0;
    if (!(r.u32(wh) && r.u16(a) && r.u16(b) && r.u32(length) && r.u32(offset))) return std::nullopt;
    planesOrHotX = a;
    bitsOrHotY = b;
    if (offset > file.size() || length > file.size() - offset || length < 40) continue;
    IconImage image;
    image.width = (wh & 0xFF) ? (wh & 0xFF) : 256;
    image.height = ((wh >> 8) & 0xFF) ? ((wh >> 8) & 0xFF) : 256;
    image.bytes = file.substr(offset, length);
    if (type == 2) {
      image.hotX = static_cast<int>(planesOrHotX);
      image.hotY = static_cast<int>(bitsOrHotY);
    }
    // The depth in the directory may be 0; the image's own header tells.
    RecordReader header(image.bytes.substr(14));
    std::uint16_t depth = 0;
    image.bitCount = header.u16(depth) ? depth : static_cast<int>(bitsOrHotY);
    const auto distance = [&](const IconImage& im) { return size ? std::abs(im.width - size) : -im.width; };
    if (!best || distance(image) < distance(*best) ||
        (distance(image) == distance(*best) && image.bitCount > best->bitCount))
      best = image;
  }
  return best;
}
