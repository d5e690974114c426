// The portable JPEG decoder against libjpeg's own output (tests/unit/ui/jpeg/references.txt, made
// by scripts/pictures/make_jpeg_tests.sh), what it must leave to the system's decoder, and damaged
// files.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "ui/pictures/jpeg_decoder.h"

namespace {

using namespace std::string_literals;

// Paths in references.txt are UTF-8, whatever the narrow character set of the build.
std::filesystem::path fromUtf8(const std::string& s) {
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(s.data()), s.size()));
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string testFile(const char* name) { return readFile(std::filesystem::path(LANXING_JPEG_TEST_DIR) / name); }

// FNV-1a over red, green, blue bytes, the same hash the script takes of libjpeg's pixels.
std::uint64_t pixelHash(const Pixels& p) {
  std::uint64_t h = 0xcbf29ce484222325;
  for (const auto rgb : p.rgb)
    for (const int shift : {16, 8, 0}) h = (h ^ (rgb >> shift & 0xFF)) * 0x100000001b3;
  return h;
}

struct Reference {
  std::string path;
  int width = 0, height = 0;
  std::uint64_t hash = 0;
};

std::vector<Reference> references() {
  std::istringstream lines(readFile(std::filesystem::path(LANXING_JPEG_TEST_DIR) / "references.txt"));
  std::vector<Reference> all;
  for (Reference r; lines >> r.path >> r.width >> r.height >> std::hex >> r.hash >> std::dec;) all.push_back(r);
  return all;
}

TEST(JpegDecoder, EveryReferencePictureDecodesAsLibjpegDoes) {
  const auto all = references();
  // Every window picture and every decodable test file is listed.
  ASSERT_EQ(all.size(), 27u);
  for (const auto& r : all) {
    const auto p = decodeJpeg(readFile(std::filesystem::path(LANXING_SOURCE_ROOT) / fromUtf8(r.path)));
    ASSERT_TRUE(p) << r.path;
    EXPECT_EQ(p->width, r.width) << r.path;
    EXPECT_EQ(p->height, r.height) << r.path;
    ASSERT_EQ(p->rgb.size(), static_cast<std::size_t>(r.width) * r.height) << r.path;
    EXPECT_EQ(pixelHash(*p), r.hash) << r.path;
  }
}

TEST(JpegDecoder, WhatItCannotDecodeIsLeftToTheSystem) {
  for (const char* name : {"progressive.jpg", "arithmetic.jpg", "rgb.jpg", "cmyk.jpg"})
    EXPECT_FALSE(decodeJpeg(testFile(name))) << name;
}

// 444.jpg's frame header: FF C0, length, precision, height, width, count, then each component's id,
// sampling and table.
TEST(JpegDecoder, FramesItDoesNotSupportAreRefused) {
  const std::string good = testFile("444.jpg");
  const std::size_t frame = good.find("\xFF\xC0"s);
  ASSERT_NE(frame, std::string::npos);
  ASSERT_TRUE(decodeJpeg(good));
  const struct {
    const char* what;
    std::size_t offset;
    std::string bytes;
  } cases[] = {
      {"lossless frame", 1, "\xC3"s},
      {"progressive frame", 1, "\xC2"s},
      {"12-bit samples", 4, "\x0C"s},
      {"height 0, left to a DNL segment", 5, "\0\0"s},
      {"width 0", 7, "\0\0"s},
      {"four times horizontal sampling", 11, "\x41"s},
      {"no vertical sampling", 11, "\x10"s},
      {"quantisation table 4", 12, "\x04"s},
      {"a second component with the first one's id", 13, "\x01"s},
  };
  for (const auto& c : cases) {
    std::string file = good;
    file.replace(frame + c.offset, c.bytes.size(), c.bytes);
    EXPECT_FALSE(decodeJpeg(file)) << c.what;
  }
}

TEST(JpegDecoder, ForgedSizesAreRefused) {
  const std::string good = testFile("444.jpg");
  const std::size_t frame = good.find("\xFF\xC0"s);
  ASSERT_NE(frame, std::string::npos);
  // The largest sides allowed, but far more blocks than the file has bytes for (refused before the
  // planes are allocated); then a side one too large.
  for (const auto& size : {"\x20\x00\x20\x00"s, "\x00\x17\x20\x01"s, "\x20\x01\x00\x25"s}) {
    std::string file = good;
    file.replace(frame + 5, 4, size);
    EXPECT_FALSE(decodeJpeg(file)) << testing::PrintToString(size);
  }
}

// A scan cut short fails rather than being filled in, and so does a file without its end marker.
TEST(JpegDecoder, EveryTruncatedFileIsRefused) {
  for (const char* name : {"444.jpg", "420-restarts.jpg", "grey.jpg"}) {
    const std::string good = testFile(name);
    for (std::size_t size = 0; size < good.size(); ++size)
      EXPECT_FALSE(decodeJpeg(good.substr(0, size))) << name << " cut to " << size;
  }
}

std::string withEveryRestartMarker(std::string file, const std::string& before) {
  for (std::size_t at = file.find("\xFF\xDA"s); (at = file.find('\xFF', at + 2)) != std::string::npos;) {
    if ((static_cast<unsigned char>(file[at + 1]) & 0xF8) != 0xD0) continue;
    file.insert(at, before);
    at += before.size();
  }
  return file;
}

TEST(JpegDecoder, RestartMarkersMayFollowFillBytesButMustCountInTurn) {
  const std::string good = testFile("444-restarts.jpg");
  const auto expected = decodeJpeg(good);
  ASSERT_TRUE(expected);
  const std::string filled = withEveryRestartMarker(good, "\xFF\xFF\xFF"s);
  ASSERT_GT(filled.size(), good.size() + 3 * 8);  // more than eight markers: their numbers wrap round
  const auto fromFilled = decodeJpeg(filled);
  ASSERT_TRUE(fromFilled);
  EXPECT_EQ(fromFilled->rgb, expected->rgb);

  std::string misnumbered = good;
  misnumbered[misnumbered.find("\xFF\xD0"s) + 1] = '\xD1';
  EXPECT_FALSE(decodeJpeg(misnumbered));
  std::string missing = good;
  missing.erase(missing.find("\xFF\xD0"s), 2);
  EXPECT_FALSE(decodeJpeg(missing));
}

// Under the sanitizers: no single damaged byte may make the decoder read or write out of bounds, and
// whatever it still decodes has the pixels its size calls for.
TEST(JpegDecoder, DamagedBytesNeverBreakIt) {
  for (const char* name : {"420.jpg", "grey.jpg", "422.jpg"}) {
    const std::string good = testFile(name);
    int decoded = 0;
    for (std::size_t at = 0; at < good.size(); ++at)
      for (const unsigned char change : {0xFF, 0x80, 0x01}) {
        std::string file = good;
        file[at] = static_cast<char>(file[at] ^ change);
        if (const auto p = decodeJpeg(file)) {
          ++decoded;
          ASSERT_EQ(p->rgb.size(), static_cast<std::size_t>(p->width) * p->height) << name << " at " << at;
        }
      }
    // Damage in the coded data mostly decodes to other pixels rather than failing.
    EXPECT_GT(decoded, 0) << name;
  }
}

}  // namespace
