// Picture recognition, the portable decoders and the region runs of a shaped button.
#include <gtest/gtest.h>

#include <string>

#include "ui/pictures/icon_file.h"
#include "ui/pictures/picture_format.h"
#include "ui/pictures/pixels.h"
#include "ui/pictures/region_runs.h"

namespace {

using namespace std::string_literals;

std::string u16(std::uint32_t v) { return {char(v & 0xFF), char(v >> 8 & 0xFF)}; }
std::string u32(std::uint32_t v) { return u16(v & 0xFFFF) + u16(v >> 16); }

std::string dibHeader(int width, int height, int bits, int colours = 0) {
  return u32(40) + u32(static_cast<std::uint32_t>(width)) + u32(static_cast<std::uint32_t>(height)) + u16(1) +
         u16(bits) + u32(0) + u32(0) + u32(0) + u32(0) + u32(colours) + u32(0);
}

std::string bmpFile(const std::string& dib, std::size_t paletteBytes) {
  return "BM"s + u32(14 + dib.size()) + u32(0) + u32(14 + 40 + paletteBytes) + dib;
}

TEST(PictureFormat, RecognisedFromTheFirstBytes) {
  const std::pair<std::string, PictureFormat> cases[] = {
      {"BM\0\0\0\0"s, PictureFormat::bmp},
      {"\xFF\xD8\xFF\xE0\0\x10"s, PictureFormat::jpeg},
      {"\0\0\x01\0\x01\0"s, PictureFormat::icon},
      {"\0\0\x02\0\x01\0"s, PictureFormat::cursor},
      {"GIF87a"s, PictureFormat::gif} /* six bytes are enough */,
      {"GIF89a\x01"s, PictureFormat::gif},
      {"GIF87a\x01"s, PictureFormat::gif},
      {"\x0A\x05\x01\x08\0\0"s, PictureFormat::pcx8},
      {"\x0A\x06\x01\x08\0\0"s, PictureFormat::none} /* version above 5 */,
      {"\x0A\x03\x01\x01\0\0"s, PictureFormat::pcx1},
      {"\x0A\x05\x01\x01\0\0"s, PictureFormat::none} /* 1-bit only in version 3 */,
      {"\x0A\x05\x00\x08\0\0"s, PictureFormat::none} /* not run-length */,
      {"BM\0\0\0"s, PictureFormat::none} /* five bytes or fewer */,
      {"\x89PNG\r\n\x1A\n"s, PictureFormat::none},
      {""s, PictureFormat::none},
  };
  for (const auto& [bytes, format] : cases) EXPECT_EQ(recognisePicture(bytes), format) << bytes.size();
}

TEST(BmpDecoder, TwentyFourBitsBottomUpWithPaddedRows) {
  // 3 × 2: rows of 9 bytes padded to 12, the bottom row first.
  const std::string bottom =
      "\x01\x02\x03"
      "\x04\x05\x06"
      "\x07\x08\x09"
      "\0\0\0"s;
  const std::string top =
      "\xFF\0\0"
      "\0\xFF\0"
      "\0\0\xFF"
      "\0\0\0"s;
  const auto p = decodeBmp(bmpFile(dibHeader(3, 2, 24) + bottom + top, 0));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, 3);
  EXPECT_EQ(p->height, 2);
  EXPECT_EQ(p->rgb, (std::vector<std::uint32_t>{0x0000FF, 0x00FF00, 0xFF0000, 0x030201, 0x060504, 0x090807}));
}

TEST(BmpDecoder, EightBitPaletteTopDown) {
  const std::string palette =
      "\x10\x20\x30\0"
      "\xAA\xBB\xCC\0"s;
  const std::string rows =
      "\x01\x00\0\0"
      "\x00\x01\0\0"s;
  const auto p = decodeBmp(bmpFile(dibHeader(2, -2, 8, 2) + palette + rows, palette.size()));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->rgb, (std::vector<std::uint32_t>{0xCCBBAA, 0x302010, 0x302010, 0xCCBBAA}));
}

TEST(BmpDecoder, TruncatedOrForgedFilesAreRefused) {
  const std::string good = bmpFile(dibHeader(3, 2, 24) + std::string(24, '\x7F'), 0);
  ASSERT_TRUE(decodeBmp(good));
  for (std::size_t n = 0; n < good.size(); ++n) EXPECT_FALSE(decodeBmp(good.substr(0, n))) << n;
  EXPECT_FALSE(decodeBmp(bmpFile(dibHeader(100000, 100000, 24), 0))) << "a size beyond any picture";
  EXPECT_FALSE(decodeBmp(bmpFile(dibHeader(3, 2, 16) + std::string(24, 0), 0))) << "16 bits are not read";
}

// A 2 × 2 icon of 24 bits whose AND mask makes the top-left pixel transparent.
std::string iconFile(std::uint16_t type, int hotX, int hotY) {
  const std::string colours =
      "\x11\x11\x11"
      "\x22\x22\x22"
      "\0\0"s  // bottom row
      "\x33\x33\x33"
      "\x44\x44\x44"
      "\0\0"s;  // top row
  const std::string mask =
      "\0\0\0\0"
      "\x80\0\0\0"s;  // bottom row, then top row
  const std::string image = dibHeader(2, 4, 24) + colours + mask;
  return u16(0) + u16(type) + u16(1) + "\x02\x02\0\0"s + u16(hotX) + u16(hotY) + u32(image.size()) + u32(22) + image;
}

TEST(IconDecoder, MaskedPixelsAreBlack) {
  const auto p = decodeIconImage(iconFile(1, 1, 24));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->rgb, (std::vector<std::uint32_t>{0, 0x444444, 0x111111, 0x222222}));
}

TEST(IconFile, CursorHotSpotAndImageBytes) {
  const std::string file = iconFile(2, 1, 0);
  const auto image = pickIconImage(file);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->hotX, 1);
  EXPECT_EQ(image->hotY, 0);
  EXPECT_EQ(image->bitCount, 24);
  EXPECT_EQ(image->bytes.size(), file.size() - 22);
  for (std::size_t n = 0; n < file.size(); ++n) EXPECT_FALSE(decodeIconImage(file.substr(0, n))) << n;
}

std::string pcxHeader(int version, int bits, int width, int height, int lineBytes) {
  std::string h = "\x0A"s + char(version) + "\x01"s + char(bits) + u16(0) + u16(0) + u16(width - 1) + u16(height - 1);
  h.resize(65, '\0');
  h += "\x01"s + u16(lineBytes);
  h.resize(128, '\0');
  return h;
}

TEST(PcxDecoder, EightBitRunsAndPalette) {
  // 3 × 1, line of 4 bytes: a run of three index 1, then one literal index 0.
  std::string palette(768, '\0');
  palette.replace(3, 3, "\x12\x34\x56");
  const auto p = decodePcx(pcxHeader(5, 8, 3, 1, 4) + "\xC3\x01\x00"s + "\x0C"s + palette);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->rgb, (std::vector<std::uint32_t>{0x123456, 0x123456, 0x123456}));
}

TEST(PcxDecoder, OneBitAndTruncation) {
  const std::string file = pcxHeader(3, 1, 10, 2, 2) +
                           "\xA0\x40"
                           "\xC2\xFF"s;
  const auto p = decodePcx(file);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->at(0, 0), 0xFFFFFFu);
  EXPECT_EQ(p->at(1, 0), 0u);
  EXPECT_EQ(p->at(2, 0), 0xFFFFFFu);
  EXPECT_EQ(p->at(8, 0), 0u);
  EXPECT_EQ(p->at(9, 0), 0xFFFFFFu);
  EXPECT_EQ(p->at(9, 1), 0xFFFFFFu);
  for (std::size_t n = 0; n < file.size(); ++n) EXPECT_FALSE(decodePcx(file.substr(0, n))) << n;
}

TEST(RegionRuns, CollectsNonKeyPixelsRowByRow) {
  constexpr std::uint32_t M = 0xFF00FF, k = 0x000000;
  const Pixels knob{5, 3, {M, k, k, M, k, M, M, M, M, M, k, k, k, k, k}};
  EXPECT_EQ(opaqueRuns(knob, 0x00FF00FF), (std::vector<PixelRun>{{0, 1, 3}, {0, 4, 5}, {2, 0, 5}}));
  EXPECT_EQ(opaqueRuns(knob, 0xFF000000 | 0x123456).size(), 3u) << "no pixel of that colour: one run per row";
}

}  // namespace
