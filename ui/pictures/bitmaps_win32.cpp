#include "ui/pictures/bitmaps_win32.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <string>

#include "ui/pictures/icon_file.h"
#include "ui/pictures/jpeg_decoder.h"
#include "ui/pictures/picture_format.h"

namespace {

OwnedBitmap bitmapFromPixels(const Pixels& p) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = p.width;
  info.bmiHeader.biHeight = -p.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap) std::memcpy(bits, p.rgb.data(), p.rgb.size() * sizeof p.rgb[0]);
  return bitmap;
}

// The system's own picture decoder (GIF, and the JPEGs ours refuses); the bitmap it made is
// copied so that it outlives the picture object.
OwnedBitmap bitmapThroughOle(std::string_view bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return nullptr;
  std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
  GlobalUnlock(memory);
  IStream* rawStream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &rawStream))) {
    GlobalFree(memory);
    return nullptr;
  }
  const ComPtr<IStream> stream(rawStream);
  IPicture* rawPicture = nullptr;
  if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(&rawPicture))))
    return nullptr;
  const ComPtr<IPicture> picture(rawPicture);
  OLE_HANDLE handle = 0;
  short type = 0;
  if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle)))
    return nullptr;
  return OwnedBitmap(
      static_cast<HBITMAP>(CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0)));
}

}  // namespace

OwnedBitmap bitmapFromPicture(std::string_view bytes) {
  std::optional<Pixels> pixels;
  switch (recognisePicture(bytes)) {
    case PictureFormat::jpeg:
      // Most JPEGs are baseline ones, decoded here at a fraction of what the system's loader costs;
      // the rest, and any the decoder refuses, go to the system.
      pixels = decodeJpeg(bytes);
      if (!pixels) return bitmapThroughOle(bytes);
      break;
    case PictureFormat::gif: return bitmapThroughOle(bytes);
    case PictureFormat::bmp: pixels = decodeBmp(bytes); break;
    case PictureFormat::icon:
    case PictureFormat::cursor: pixels = decodeIconImage(bytes); break;
    case PictureFormat::pcx8:
    case PictureFormat::pcx1: pixels = decodePcx(bytes); break;
    case PictureFormat::none: break;
  }
  return pixels ? bitmapFromPixels(*pixels) : nullptr;
}

std::optional<Pixels> pixelsOfBitmap(HBITMAP bitmap) {
  BITMAP b{};
  if (!GetObjectW(bitmap, sizeof b, &b) || b.bmWidth <= 0 || b.bmHeight <= 0) return std::nullopt;
  Pixels p{b.bmWidth, b.bmHeight, std::vector<std::uint32_t>(static_cast<std::size_t>(b.bmWidth) * b.bmHeight)};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = p.width;
  info.bmiHeader.biHeight = -p.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(p.height), p.rgb.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != p.height) return std::nullopt;
  return p;
}

OwnedIcon iconFromFile(std::string_view iconFile, int size) {
  const auto image = pickIconImage(iconFile, size);
  if (!image) return nullptr;
  std::string bytes(image->bytes);
  return OwnedIcon(CreateIconFromResourceEx(reinterpret_cast<PBYTE>(bytes.data()), static_cast<DWORD>(bytes.size()),
                                            TRUE, 0x00030000, image->width, image->height, LR_DEFAULTCOLOR));
}

OwnedCursor cursorFromFile(std::string_view cursorFile) {
  const auto image = pickIconImage(cursorFile);
  if (!image) return nullptr;
  // A cursor resource is the image with its hot spot in front.
  std::string bytes(4, '\0');
  bytes[0] = static_cast<char>(image->hotX & 0xFF);
  bytes[1] = static_cast<char>(image->hotX >> 8);
  bytes[2] = static_cast<char>(image->hotY & 0xFF);
  bytes[3] = static_cast<char>(image->hotY >> 8);
  bytes.append(image->bytes);
  return OwnedCursor(static_cast<HCURSOR>(CreateIconFromResourceEx(reinterpret_cast<PBYTE>(bytes.data()),
                                                                   static_cast<DWORD>(bytes.size()), FALSE, 0x00030000,
                                                                   image->width, image->height, LR_DEFAULTCOLOR)));
}
