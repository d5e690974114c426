// Windows' own decoders accept the committed pictures: the icons at each of their sizes, the cursor
// with its hot spot, the knob's BMP with its magenta corners, and every JPEG at its pixel size, with
// the very pixels the program's own JPEG decoder gives.
#include <windows.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/gbk_text_win32.h"
#include "ui/pictures/bitmaps_win32.h"
#include "ui/pictures/jpeg_decoder.h"
#include "ui/whole_file.h"

namespace {

std::wstring PicturePath(const std::wstring& name) { return L"" LANXING_PICTURES + name; }

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

// The colour bitmap's size and the hot spot of an icon or cursor.
struct IconShape {
  SIZE size;
  POINT hot_spot;
  bool is_icon;
};

IconShape ShapeOf(HICON icon) {
  ICONINFO info{};
  EXPECT_TRUE(GetIconInfo(icon, &info));
  IconShape shape{BitmapSize(info.hbmColor), {LONG(info.xHotspot), LONG(info.yHotspot)}, info.fIcon == TRUE};
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return shape;
}

TEST(SystemDecoders, MainIconHasItsNineSizes) {
  for (int size : {16, 24, 32, 48, 64, 72, 96, 128, 256}) {
    auto icon = static_cast<HICON>(
        LoadImageW(nullptr, PicturePath(L"main-icon.ico").c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    ASSERT_NE(icon, nullptr) << size;
    IconShape shape = ShapeOf(icon);
    EXPECT_EQ(shape.size.cx, size);
    EXPECT_EQ(shape.size.cy, size);
    DestroyIcon(icon);
  }
}

TEST(SystemDecoders, RecorderIconIs32Pixels) {
  auto icon = static_cast<HICON>(
      LoadImageW(nullptr, PicturePath(L"recorder-icon.ico").c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE));
  ASSERT_NE(icon, nullptr);
  IconShape shape = ShapeOf(icon);
  EXPECT_EQ(shape.size.cx, 32);
  EXPECT_TRUE(shape.is_icon);
  DestroyIcon(icon);
}

TEST(SystemDecoders, LockCursorHasItsHotSpot) {
  auto cursor = static_cast<HCURSOR>(
      LoadImageW(nullptr, PicturePath(L"lock-cursor.cur").c_str(), IMAGE_CURSOR, 32, 32, LR_LOADFROMFILE));
  ASSERT_NE(cursor, nullptr);
  IconShape shape = ShapeOf(cursor);
  EXPECT_EQ(shape.size.cx, 32);
  EXPECT_FALSE(shape.is_icon);
  EXPECT_EQ(shape.hot_spot.x, 1);
  EXPECT_EQ(shape.hot_spot.y, 1);
  DestroyCursor(cursor);
}

TEST(SystemDecoders, VolumeKnobHasMagentaCorners) {
  auto knob = static_cast<HBITMAP>(
      LoadImageW(nullptr, PicturePath(L"volume-knob.bmp").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(knob, nullptr);
  SIZE size = BitmapSize(knob);
  EXPECT_EQ(size.cx, 30);
  EXPECT_EQ(size.cy, 8);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, knob);
  for (POINT corner : {POINT{0, 0}, POINT{29, 0}, POINT{0, 7}, POINT{29, 7}}) {
    EXPECT_EQ(GetPixel(dc, corner.x, corner.y), RGB(255, 0, 255)) << corner.x << "," << corner.y;
  }
  EXPECT_NE(GetPixel(dc, 15, 4), RGB(255, 0, 255));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(knob);
}

// Decodes a JPEG through the system's picture object, as the program does with those its own
// decoder refuses: the bitmap's pixels as 0x00RRGGBB, top row first.
Pixels SystemJpeg(const std::wstring& name) {
  const std::string bytes = readWholeFile(gbkFromWide(PicturePath(name))).bytes;
  EXPECT_FALSE(bytes.empty()) << "cannot read the picture";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::copy(bytes.begin(), bytes.end(), static_cast<char*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  CreateStreamOnHGlobal(memory, TRUE, &stream);
  IPicture* picture = nullptr;
  HRESULT result = OleLoadPicture(stream, LONG(bytes.size()), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
  stream->Release();
  EXPECT_EQ(result, S_OK);
  if (FAILED(result)) return {};
  OLE_HANDLE handle = 0;
  picture->get_Handle(&handle);
  auto pixels = pixelsOfBitmap(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)));
  picture->Release();
  EXPECT_TRUE(pixels);
  return pixels ? *pixels : Pixels{};
}

SIZE JpegSize(const std::wstring& name) {
  const Pixels p = SystemJpeg(name);
  return {p.width, p.height};
}

TEST(SystemDecoders, JpegsHaveTheirButtonsSizes) {
  ASSERT_EQ(OleInitialize(nullptr), S_OK);
  for (const wchar_t* unit : {L"音频助手1", L"录音软件1", L"记事本1", L"挂机工具1", L"网址导航1"}) {
    for (const wchar_t* state : {L".normal.jpg", L".hover.jpg"}) {
      SIZE size = JpegSize(std::wstring(unit) + state);
      EXPECT_EQ(size.cx, 130);
      EXPECT_EQ(size.cy, 30);
    }
  }
  for (const wchar_t* unit : {L"置顶1", L"隐藏1", L"退出1"}) {
    for (const wchar_t* state : {L".normal.jpg", L".hover.jpg"}) {
      SIZE size = JpegSize(std::wstring(unit) + state);
      EXPECT_EQ(size.cx, 30);
      EXPECT_EQ(size.cy, 15);
    }
  }
  SIZE bar = JpegSize(L"volume-bar.jpg");
  EXPECT_EQ(bar.cx, 97);
  EXPECT_EQ(bar.cy, 12);
  OleUninitialize();
}

// The program decodes its JPEGs itself; they must look as the system would show them.
TEST(SystemDecoders, OurJpegDecoderGivesTheSystemsPixels) {
  ASSERT_EQ(OleInitialize(nullptr), S_OK);
  for (const auto& entry : std::filesystem::directory_iterator(PicturePath(L""))) {
    if (entry.path().extension() != L".jpg") continue;
    const std::wstring name = entry.path().filename().wstring();
    SCOPED_TRACE(gbkFromWide(name));
    const auto ours = decodeJpeg(readWholeFile(gbkFromWide(PicturePath(name))).bytes);
    ASSERT_TRUE(ours);
    const Pixels system = SystemJpeg(name);
    ASSERT_EQ(ours->width, system.width);
    ASSERT_EQ(ours->height, system.height);
    int largest = 0, differing = 0;
    for (std::size_t i = 0; i < system.rgb.size(); ++i) {
      int d = 0;
      for (int shift : {0, 8, 16})
        d = std::max(d, std::abs(int(ours->rgb[i] >> shift & 0xFF) - int(system.rgb[i] >> shift & 0xFF)));
      largest = std::max(largest, d);
      differing += d != 0;
    }
    // Wine's decoder, itself built on libjpeg, rounds a rare pixel the other way.
    EXPECT_LE(largest, 1) << differing << " of " << system.rgb.size() << " pixels differ";
    EXPECT_LE(differing * 100, static_cast<int>(system.rgb.size()));
  }
  OleUninitialize();
}

}  // namespace
