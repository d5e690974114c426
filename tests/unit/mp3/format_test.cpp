// Frame headers, sync, and the tags around and inside the stream.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "sound/mp3/frame_sync.h"
#include "sound/mp3/tags.h"

namespace {

struct HeaderCase {
  const char* what;
  uint8_t bytes[4];
  bool valid;
  mp3::MpegVersion version;
  int sampleRate, bitrate, channels, frameBytes;
};

void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.what; }

class Header : public testing::TestWithParam<HeaderCase> {};

TEST_P(Header, ParsesFieldsAndLength) {
  const HeaderCase& c = GetParam();
  const auto h = mp3::parseHeader(c.bytes);
  ASSERT_EQ(h.has_value(), c.valid);
  if (!c.valid) return;
  EXPECT_EQ(h->version, c.version);
  EXPECT_EQ(h->sampleRate, c.sampleRate);
  EXPECT_EQ(h->bitrateKbps, c.bitrate);
  EXPECT_EQ(h->channels(), c.channels);
  EXPECT_EQ(h->frameBytes(), c.frameBytes);
}

using V = mp3::MpegVersion;
INSTANTIATE_TEST_SUITE_P(
    Cases, Header,
    testing::Values(HeaderCase{"MPEG-1 128k 44.1k", {0xFF, 0xFB, 0x90, 0x00}, true, V::Mpeg1, 44100, 128, 2, 417},
                    HeaderCase{"padded", {0xFF, 0xFB, 0x92, 0x00}, true, V::Mpeg1, 44100, 128, 2, 418},
                    HeaderCase{"MPEG-1 320k 32k mono", {0xFF, 0xFB, 0xE8, 0xC0}, true, V::Mpeg1, 32000, 320, 1, 1440},
                    HeaderCase{"MPEG-2 64k 22.05k", {0xFF, 0xF3, 0x80, 0x40}, true, V::Mpeg2, 22050, 64, 2, 208},
                    HeaderCase{"MPEG-2.5 8k 8k", {0xFF, 0xE3, 0x18, 0xC0}, true, V::Mpeg25, 8000, 8, 1, 72},
                    HeaderCase{"free format", {0xFF, 0xFB, 0x00, 0x00}, true, V::Mpeg1, 44100, 0, 2, 0},
                    HeaderCase{"no sync", {0xFF, 0x7B, 0x90, 0x00}, false, V::Mpeg1, 0, 0, 0, 0},
                    HeaderCase{"reserved version", {0xFF, 0xEB, 0x90, 0x00}, false, V::Mpeg1, 0, 0, 0, 0},
                    HeaderCase{"layer II", {0xFF, 0xFD, 0x90, 0x00}, false, V::Mpeg1, 0, 0, 0, 0},
                    HeaderCase{"bad bitrate", {0xFF, 0xFB, 0xF0, 0x00}, false, V::Mpeg1, 0, 0, 0, 0},
                    HeaderCase{"reserved rate", {0xFF, 0xFB, 0x9C, 0x00}, false, V::Mpeg1, 0, 0, 0, 0},
                    HeaderCase{"reserved emphasis", {0xFF, 0xFB, 0x90, 0x02}, false, V::Mpeg1, 0, 0, 0, 0}));

// Frames of a given header with empty side information and zero audio data.
std::vector<uint8_t> silentFrames(const uint8_t header[4], int count) {
  const int length = mp3::parseHeader(header)->frameBytes();
  std::vector<uint8_t> bytes;
  for (int i = 0; i < count; ++i) {
    bytes.insert(bytes.end(), header, header + 4);
    bytes.resize(bytes.size() + static_cast<size_t>(length - 4), 0);
  }
  return bytes;
}

constexpr uint8_t k128k[4] = {0xFF, 0xFB, 0x90, 0x00};
constexpr uint8_t k22k[4] = {0xFF, 0xF3, 0x80, 0x40};

TEST(Sync, LocksOnlyWhereTheNextHeaderAgrees) {
  // A lone header inside junk, then two real frames.
  std::vector<uint8_t> bytes = {1, 2, 0xFF, 0xFB, 0x90, 0x00, 7, 7, 7};
  bytes.resize(500, 0x55);
  const auto frames = silentFrames(k128k, 2);
  bytes.insert(bytes.end(), frames.begin(), frames.end());
  mp3::SyncLock lock;
  mp3::FrameLocation frame;
  ASSERT_EQ(mp3::findFrame(bytes.data(), bytes.size(), true, lock, frame), mp3::SyncResult::Found);
  EXPECT_EQ(frame.offset, 500u);
  EXPECT_TRUE(lock.locked);
}

TEST(Sync, AStreamOfAnotherKindBreaksTheLock) {
  auto bytes = silentFrames(k128k, 2);
  const auto other = silentFrames(k22k, 3);
  bytes.insert(bytes.end(), other.begin(), other.end());
  mp3::SyncLock lock;
  mp3::FrameLocation frame;
  size_t position = 0;
  std::vector<int> rates;
  while (mp3::findFrame(bytes.data() + position, bytes.size() - position, true, lock, frame) ==
         mp3::SyncResult::Found) {
    rates.push_back(frame.header.sampleRate);
    position += frame.offset + static_cast<size_t>(frame.length);
  }
  // The second 44.1 kHz frame is followed by a 22.05 kHz header, but the lock holds it; the
  // 22.05 kHz frames then need agreement among themselves.
  EXPECT_EQ(rates, (std::vector<int>{44100, 44100, 22050, 22050, 22050}));
}

TEST(Sync, TheChannelModeMayChangeFromFrameToFrame) {
  constexpr uint8_t kMono[4] = {0xFF, 0xFB, 0x90, 0xC0};
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 4; ++i) {
    const auto frame = silentFrames(i % 2 ? kMono : k128k, 1);
    bytes.insert(bytes.end(), frame.begin(), frame.end());
  }
  mp3::SyncLock lock;
  mp3::FrameLocation frame;
  size_t position = 0;
  std::vector<int> channels;
  while (mp3::findFrame(bytes.data() + position, bytes.size() - position, true, lock, frame) ==
         mp3::SyncResult::Found) {
    channels.push_back(frame.header.channels());
    position += frame.offset + static_cast<size_t>(frame.length);
  }
  EXPECT_EQ(channels, (std::vector<int>{2, 1, 2, 1}));
}

TEST(Sync, WaitsForMoreBytesBeforeDecidingUnlessAtTheEnd) {
  const auto bytes = silentFrames(k128k, 1);
  mp3::SyncLock lock;
  mp3::FrameLocation frame;
  EXPECT_EQ(mp3::findFrame(bytes.data(), bytes.size(), false, lock, frame), mp3::SyncResult::NeedMore);
  EXPECT_EQ(frame.offset, 0u);
  // At the end a single frame that fills the input exactly is taken.
  EXPECT_EQ(mp3::findFrame(bytes.data(), bytes.size(), true, lock, frame), mp3::SyncResult::Found);
  // Without a frame the decoder keeps only the last three bytes, where a header could begin.
  const std::vector<uint8_t> junk(100, 0x12);
  EXPECT_EQ(mp3::findFrame(junk.data(), junk.size(), false, lock, frame), mp3::SyncResult::NeedMore);
  EXPECT_EQ(frame.offset, 97u);
  EXPECT_EQ(mp3::findFrame(junk.data(), junk.size(), true, lock, frame), mp3::SyncResult::None);
}

struct Id3Case {
  const char* what;
  std::vector<uint8_t> start;
  size_t size;
};

void PrintTo(const Id3Case& c, std::ostream* os) { *os << c.what; }

class Id3v2 : public testing::TestWithParam<Id3Case> {};

TEST_P(Id3v2, SizeIsHeaderBodyAndFooter) {
  std::vector<uint8_t> bytes = GetParam().start;
  bytes.resize(64, 0);
  EXPECT_EQ(mp3::id3v2Size(bytes.data(), bytes.size()), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Cases, Id3v2,
                         testing::Values(Id3Case{"v2.3", {'I', 'D', '3', 3, 0, 0, 0, 0, 2, 1}, 10 + 257},
                                         Id3Case{
                                             "v2.4 with footer", {'I', 'D', '3', 4, 0, 0x10, 0, 0, 0, 5}, 10 + 5 + 10},
                                         Id3Case{"28-bit size", {'I', 'D', '3', 3, 0, 0, 1, 0, 0, 0}, 10 + (1u << 21)},
                                         Id3Case{"size not sync-safe", {'I', 'D', '3', 3, 0, 0, 0, 0, 0x80, 0}, 0},
                                         Id3Case{"no tag", {0xFF, 0xFB, 0x90, 0x00}, 0}));

TEST(Id3v1, FoundOnlyInTheLast128Bytes) {
  std::vector<uint8_t> bytes(300, 0);
  EXPECT_FALSE(mp3::hasId3v1(bytes.data(), bytes.size()));
  std::memcpy(bytes.data() + 300 - 128, "TAG", 3);
  EXPECT_TRUE(mp3::hasId3v1(bytes.data(), bytes.size()));
  EXPECT_FALSE(mp3::hasId3v1(bytes.data(), 127));
}

// A Xing frame as LAME writes it: all four fields, then the LAME tag.
std::vector<uint8_t> xingFrame(const char* magic, uint32_t flags) {
  auto frame = silentFrames(k128k, 1);
  uint8_t* p = frame.data() + 4 + 32;
  std::memcpy(p, magic, 4);
  p[7] = static_cast<uint8_t>(flags);
  p += 8;
  auto put32 = [&p](uint32_t v) {
    for (int i = 3; i >= 0; --i) *p++ = static_cast<uint8_t>(v >> (8 * i));
  };
  if (flags & 1) put32(1234);
  if (flags & 2) put32(56789);
  if (flags & 4)
    for (int i = 0; i < 100; ++i) *p++ = static_cast<uint8_t>(i * 2);
  if (flags & 8) put32(57);
  std::memcpy(p, "LAME3.100", 9);
  // Delay 576 (0x240) and padding 1234 (0x4D2) as two 12-bit numbers.
  p[21] = 0x24, p[22] = 0x04, p[23] = 0xD2;
  return frame;
}

TEST(VbrInfo, ReadsXingFieldsAndTheLameTag) {
  for (const char* magic : {"Xing", "Info"}) {
    const auto frame = xingFrame(magic, 15);
    const auto info = mp3::readVbrInfo(frame.data(), static_cast<int>(frame.size()), *mp3::parseHeader(k128k));
    ASSERT_TRUE(info) << magic;
    EXPECT_EQ(info->frames, 1234u);
    EXPECT_EQ(info->bytes, 56789u);
    ASSERT_TRUE(info->toc);
    EXPECT_EQ((*info->toc)[99], 198);
    EXPECT_EQ(info->encoderDelay, 576);
    EXPECT_EQ(info->encoderPadding, 1234);
  }
}

TEST(VbrInfo, FindsTheLameTagAfterWhicheverFieldsArePresent) {
  const auto frame = xingFrame("Xing", 1);  // frame count only
  const auto info = mp3::readVbrInfo(frame.data(), static_cast<int>(frame.size()), *mp3::parseHeader(k128k));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->frames, 1234u);
  EXPECT_FALSE(info->bytes);
  EXPECT_FALSE(info->toc);
  EXPECT_EQ(info->encoderDelay, 576);
}

TEST(VbrInfo, AbsentFromAnAudioFrame) {
  const auto frame = silentFrames(k128k, 1);
  EXPECT_FALSE(mp3::readVbrInfo(frame.data(), static_cast<int>(frame.size()), *mp3::parseHeader(k128k)));
}

TEST(TableOfContents, InterpolatesBetweenEntries) {
  std::array<uint8_t, 100> toc{};
  for (int i = 0; i < 100; ++i) toc[static_cast<size_t>(i)] = static_cast<uint8_t>(i * 2);
  EXPECT_EQ(mp3::tocOffset(toc, 0, 25600), 0u);
  EXPECT_EQ(mp3::tocOffset(toc, 10, 25600), 2000u);     // 20/256 of the bytes
  EXPECT_EQ(mp3::tocOffset(toc, 10.5, 25600), 2100u);   // half way to entry 11: 21/256
  EXPECT_EQ(mp3::tocOffset(toc, 99.5, 25600), 22700u);  // half way from 198/256 to the end
  EXPECT_EQ(mp3::tocOffset(toc, 150, 25600), 25600u);   // clamped to 100 %
}

}  // namespace
