// Portable decoders of the picture formats the system's own decoder is not asked to read.
#include "ui/format/record_io.h"
#include "ui/pictures/icon_file.h"
#include "ui/pictures/pixels.h"

namespace {

bool sizeAllowed(std::int64_t w, std::int64_t h) {
  return w > 0 && h > 0 && w <= kLargestPictureSide && h <= kLargestPictureSide;
}

std::uint32_t byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

struct DibHeader {
  std::uint32_t headerSize = 0, compression = 0, coloursUsed = 0;
  std::int32_t width = 0, height = 0;
  std::uint16_t planes = 0, bitCount = 0;
};

std::optional<DibHeader> readDibHeader(std::string_view dib) {
  RecordReader r(dib);
  DibHeader h;
  std::uint32_t skip = 0;
  if (!(r.u32(h.headerSize) && r.i32(h.width) && r.i32(h.height) && r.u16(h.planes) && r.u16(h.bitCount) &&
        r.u32(h.compression) && r.u32(skip) && r.u32(skip) && r.u32(skip) && r.u32(h.coloursUsed)))
    return std::nullopt;
  if (h.headerSize < 40 || h.headerSize > dib.size()) return std::nullopt;
  const bool rgb = h.compression == 0 || (h.compression == 3 && h.bitCount == 32);
  if (!rgb || (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24 && h.bitCount != 32))
    return std::nullopt;
  return h;
}

std::size_t stride(std::int64_t width, int bits) { return static_cast<std::size_t>((width * bits + 31) / 32 * 4); }

// The colour rows of a DIB: `rows` rows of `width` pixels from `bits`, bottom row first unless
// top-down. Also reports each pixel's alpha byte for 32-bit images.
std::optional<Pixels> decodeRows(const DibHeader& h, std::string_view palette, std::string_view bits, int rows,
                                 std::vector<std::uint8_t>* alpha) {
  const int width = h.width;
  if (!sizeAllowed(width, rows)) return std::nullopt;
  const std::size_t rowBytes = stride(width, h.bitCount);
  if (bits.size() / rowBytes < static_cast<std::size_t>(rows)) return std::nullopt;
  const std::size_t paletteSize = h.bitCount <= 8 ? palette.size() / 4 : 0;
  Pixels p{width, rows, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * rows)};
  if (alpha) alpha->assign(p.rgb.size(), 255);
  const bool topDown = h.height < 0;
  for (int y = 0; y < rows; ++y) {
    const std::string_view row = bits.substr(static_cast<std::size_t>(topDown ? y : rows - 1 - y) * rowBytes, rowBytes);
    for (int x = 0; x < width; ++x) {
      std::uint32_t c = 0;
      if (h.bitCount <= 8) {
        const std::size_t bit = static_cast<std::size_t>(x) * h.bitCount;
        const std::uint32_t index = (byteAt(row, bit / 8) >> (8 - h.bitCount - bit % 8)) & ((1u << h.bitCount) - 1);
        if (index < paletteSize)
          c = byteAt(palette, index * 4) | byteAt(palette, index * 4 + 1) << 8 | byteAt(palette, index * 4 + 2) << 16;
      } else {
        const std::size_t at = static_cast<std::size_t>(x) * (h.bitCount / 8);
        c = byteAt(row, at) | byteAt(row, at + 1) << 8 | byteAt(row, at + 2) << 16;
        if (alpha && h.bitCount == 32) (*alpha)[static_cast<std::size_t>(y) * width + x] = byteAt(row, at + 3);
      }
      p.rgb[static_cast<std::size_t>(y) * width + x] = c;
    }
  }
  return p;
}

std::string_view paletteOf(const DibHeader& h, std::string_view dib) {
  if (h.bitCount > 8) return {};
  const std::size_t entries = h.coloursUsed ? h.coloursUsed : (1u << h.bitCount);
  const std::size_t bytes = entries > 256 ? 1024 : entries * 4;
  return dib.substr(h.headerSize, bytes);
}

}  // namespace

std::optional<Pixels> decodeBmp(std::string_view file) {
  RecordReader r(file);
  std::uint16_t magic = 0;
  std::uint32_t size = 0, reserved = 0, bitsAt = 0;
  if (!(r.u16(magic) && r.u32(size) && r.u32(reserved) && r.u32(bitsAt)) || magic != 0x4D42) return std::nullopt;
  const std::string_view dib = file.substr(14);
  const auto h = readDibHeader(dib);
  if (!h || bitsAt < 14 || bitsAt > file.size()) return std::nullopt;
  const std::int64_t rows = h->height < 0 ? -std::int64_t{h->height} : h->height;
  if (!sizeAllowed(h->width, rows)) return std::nullopt;
  return decodeRows(*h, paletteOf(*h, dib), file.substr(bitsAt), static_cast<int>(rows), nullptr);
}

std::optional<Pixels> decodeIconImage(std::string_view file) {
  const auto image = pickIconImage(file);
  if (!image) return std::nullopt;
  const auto h = readDibHeader(image->bytes);
  if (!h || h->height <= 0 || !sizeAllowed(h->width, h->height / 2)) return std::nullopt;
  const int rows = h->height / 2;
  const std::string_view palette = paletteOf(*h, image->bytes);
  const std::size_t colourAt = h->headerSize + palette.size();
  if (colourAt > image->bytes.size()) return std::nullopt;
  std::vector<std::uint8_t> alpha;
  auto p = decodeRows(*h, palette, image->bytes.substr(colourAt), rows, &alpha);
  if (!p) return std::nullopt;
  // The AND mask follows the colour rows: a set bit is a transparent pixel, drawn black here.
  const std::size_t maskAt = colourAt + stride(h->width, h->bitCount) * rows;
  const std::size_t maskRow = stride(h->width, 1);
  const bool hasMask = maskAt <= image->bytes.size() && (image->bytes.size() - maskAt) / maskRow >= std::size_t(rows);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < p->width; ++x) {
      std::uint32_t& c = p->rgb[static_cast<std::size_t>(y) * p->width + x];
      const std::uint32_t a = alpha[static_cast<std::size_t>(y) * p->width + x];
      if (h->bitCount == 32 && a != 255) {
        c = ((c & 0xFF) * a / 255) | (((c >> 8) & 0xFF) * a / 255) << 8 | (((c >> 16) & 0xFF) * a / 255) << 16;
      } else if (hasMask) {
        const std::size_t at = maskAt + static_cast<std::size_t>(rows - 1 - y) * maskRow + x / 8;
        if ((byteAt(image->bytes, at) >> (7 - x % 8)) & 1) c = 0;
      }
    }
  return p;
}

std::optional<Pixels> decodePcx(std::string_view file) {
  if (file.size() < 128 || byteAt(file, 0) != 0x0A || byteAt(file, 2) != 1) return std::nullopt;
  RecordReader r(file.substr(4));
  std::uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  if (!(r.u16(xMin) && r.u16(yMin) && r.u16(xMax) && r.u16(yMax)) || xMax < xMin || yMax < yMin) return std::nullopt;
  const int bits = static_cast<int>(byteAt(file, 3)), planes = static_cast<int>(byteAt(file, 65));
  const std::size_t lineBytes = byteAt(file, 66) | byteAt(file, 67) << 8;
  const int width = xMax - xMin + 1, height = yMax - yMin + 1;
  if ((bits != 8 && bits != 1) || planes != 1 || lineBytes * 8 < static_cast<std::size_t>(width) * bits ||
      !sizeAllowed(width, height))
    return std::nullopt;
  std::string_view palette;
  std::string_view data = file.substr(128);
  if (bits == 8) {
    if (file.size() < 128 + 769 || byteAt(file, file.size() - 769) != 0x0C) return std::nullopt;
    palette = file.substr(file.size() - 768);
    data = data.substr(0, data.size() - 769);
  }
  Pixels p{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  std::vector<std::uint8_t> line(lineBytes);
  std::size_t at = 0;
  for (int y = 0; y < height; ++y) {
    // Run-length: a byte with the top two bits set repeats the next byte (its low six bits) times.
    for (std::size_t filled = 0; filled < lineBytes;) {
      if (at >= data.size()) return std::nullopt;
      std::uint32_t value = byteAt(data, at++), count = 1;
      if ((value & 0xC0) == 0xC0) {
        if (at >= data.size()) return std::nullopt;
        count = value & 0x3F;
        value = byteAt(data, at++);
      }
      for (; count && filled < lineBytes; --count) line[filled++] = static_cast<std::uint8_t>(value);
    }
    for (int x = 0; x < width; ++x) {
      std::uint32_t c;
      if (bits == 8) {
        const std::size_t i = line[x] * 3u;
        c = byteAt(palette, i) << 16 | byteAt(palette, i + 1) << 8 | byteAt(palette, i + 2);
      } else {
        c = (line[x / 8] >> (7 - x % 8)) & 1 ? 0xFFFFFF : 0;
      }
      p.rgb[static_cast<std::size_t>(y) * width + x] = c;
    }
  }
  return p;
}
