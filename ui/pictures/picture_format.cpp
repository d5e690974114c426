#include "ui/pictures/picture_format.h"

PictureFormat recognisePicture(std::string_view b) {
  if (b.size() <= 5) return PictureFormat::none;
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(b[i]); };
  if (b.starts_with("BM")) return PictureFormat::bmp;
  if (at(0) == 0xFF && at(1) == 0xD8) return PictureFormat::jpeg;
  if (at(0) == 0 && at(1) == 0 && at(2) == 1 && at(3) == 0) return PictureFormat::icon;
  if (at(0) == 0 && at(1) == 0 && at(2) == 2 && at(3) == 0) return PictureFormat::cursor;
  if (b.starts_with("GIF87a") || b.starts_with("GIF89a")) return PictureFormat::gif;
  // PCX: manufacturer 0x0A, version, encoding 1 (run-length), bits per pixel.
  if (at(0) == 0x0A && at(2) == 1) {
    if (at(1) <= 5 && at(3) == 8) return PictureFormat::pcx8;
    if (at(1) == 3 && at(3) == 1) return PictureFormat::pcx1;
  }
  return PictureFormat::none;
}
