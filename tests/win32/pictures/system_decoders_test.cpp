// Windows' own decoders accept the committed pictures: the icons at each of their sizes, the cursor
// with its hot spot, the knob's BMP with its magenta corners, and every JPEG at its pixel size.
#include <windows.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/gbk_text_win32.h"
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

// Decodes a JPEG the way the program does, through the system's picture object.
SIZE JpegSize(const std::wstring& name) {
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
  SIZE size = BitmapSize(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)));
  picture->Release();
  return size;
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

}  // namespace
