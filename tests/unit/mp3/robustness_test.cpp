// Damaged and unusual input: what is valid decodes, the rest ends cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "sound/mp3/decoder.h"
#include "sound/mp3/frame_sync.h"
#include "tests/unit/mp3/reference_decoder.h"

namespace {

using mp3test::corpusPath;
using mp3test::decodeWithStream;
using mp3test::readFile;

const char* const kCbrFile = "mpeg1-44k-stereo-cbr128.mp3";
const char* const kVbrFile = "mpeg1-44k-joint-vbr.mp3";

// Offsets of the frames a locked decoder walks through.
std::vector<size_t> frameOffsets(const std::vector<uint8_t>& bytes) {
  std::vector<size_t> offsets;
  mp3::SyncLock lock;
  size_t position = 0;
  mp3::FrameLocation frame;
  while (mp3::findFrame(bytes.data() + position, bytes.size() - position, true, lock, frame) ==
         mp3::SyncResult::Found) {
    offsets.push_back(position + frame.offset);
    position += frame.offset + static_cast<size_t>(frame.length);
  }
  return offsets;
}

bool isPrefixOf(const std::vector<int16_t>& prefix, const std::vector<int16_t>& whole) {
  return prefix.size() <= whole.size() && std::equal(prefix.begin(), prefix.end(), whole.begin());
}

// Feeds the decoder as a player reading a file in chunks would: a small buffer topped up from the
// input `chunk` bytes at a time.
std::vector<int16_t> decodeInChunks(const std::vector<uint8_t>& bytes, size_t chunk) {
  static mp3::Decoder decoder;
  decoder.reset();
  std::vector<uint8_t> buffer;
  std::vector<int16_t> out, pcm(mp3::kMaxSamplesPerFrame * 2);
  size_t read = 0;
  for (;;) {
    const bool end = read == bytes.size();
    const mp3::DecodeResult r = decoder.decode(buffer.data(), buffer.size(), end, pcm.data());
    buffer.erase(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(r.consumed));
    if (r.status == mp3::DecodeStatus::Frame) {
      out.insert(out.end(), pcm.begin(), pcm.begin() + r.samples * r.header.channels());
    } else if (r.status == mp3::DecodeStatus::NeedMoreData) {
      if (end) ADD_FAILURE() << "asked for more data after the end";
      if (end) break;
      const size_t n = std::min(chunk, bytes.size() - read);
      buffer.insert(buffer.end(), bytes.begin() + static_cast<std::ptrdiff_t>(read),
                    bytes.begin() + static_cast<std::ptrdiff_t>(read + n));
      read += n;
    } else {
      break;
    }
  }
  return out;
}

TEST(Robustness, EmptyInputHasNoAudio) {
  const std::vector<uint8_t> none;
  mp3::Stream stream;
  EXPECT_FALSE(stream.open(none.data(), 0));
  EXPECT_EQ(stream.read(static_cast<int16_t*>(nullptr)), 0);
  static mp3::Decoder decoder;
  const auto r = decoder.decode(none.data(), 0, true, static_cast<int16_t*>(nullptr));
  EXPECT_EQ(r.status, mp3::DecodeStatus::EndOfStream);
  EXPECT_EQ(r.consumed, 0u);
}

struct Cut {
  const char* what;
  double keep;    // share of the file kept
  int intoFrame;  // bytes past a frame start where the cut falls (-1: exactly at `keep`)
};

void PrintTo(const Cut& c, std::ostream* os) { *os << c.what; }

class Truncated : public testing::TestWithParam<Cut> {};

TEST_P(Truncated, DecodesAPrefixOfTheWholeFile) {
  const Cut& cut = GetParam();
  const auto bytes = readFile(corpusPath(kCbrFile));
  const auto whole = decodeWithStream<int16_t>(bytes).samples;
  size_t size = static_cast<size_t>(static_cast<double>(bytes.size()) * cut.keep);
  if (cut.intoFrame >= 0) {
    const auto offsets = frameOffsets(bytes);
    size = *std::lower_bound(offsets.begin(), offsets.end(), size) + static_cast<size_t>(cut.intoFrame);
  }
  const std::vector<uint8_t> truncated(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
  const auto part = decodeWithStream<int16_t>(truncated).samples;
  EXPECT_TRUE(isPrefixOf(part, whole));
  // All complete frames before the cut are decoded: at most the cut frame and its neighbour lost.
  const double expected = static_cast<double>(whole.size()) * static_cast<double>(size) / bytes.size();
  EXPECT_GT(static_cast<double>(part.size()), expected - 3 * 1152 * 2);
}

INSTANTIATE_TEST_SUITE_P(Cuts, Truncated,
                         testing::Values(Cut{"header only", 0.0, 4}, Cut{"a tenth", 0.1, -1},
                                         Cut{"half, inside a header", 0.5, 2},
                                         Cut{"half, inside the side information", 0.5, 20},
                                         Cut{"half, in the middle of a frame", 0.5, 200},
                                         Cut{"last byte missing", 0.9999, -1}));

TEST(Robustness, GarbageBetweenFramesIsSkipped) {
  const auto bytes = readFile(corpusPath(kCbrFile));
  const auto whole = decodeWithStream<int16_t>(bytes).samples;
  const auto offsets = frameOffsets(bytes);
  const size_t at = offsets[offsets.size() / 2];
  std::vector<uint8_t> damaged(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
  std::mt19937 random(7);
  for (int i = 0; i < 700; ++i) damaged.push_back(i % 50 == 0 ? 0xFF : static_cast<uint8_t>(random()));
  damaged.insert(damaged.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end());

  const auto out = decodeWithStream<int16_t>(damaged).samples;
  ASSERT_EQ(out.size(), whole.size());
  // Every frame is still there; the reservoir and filter state carry across the garbage.
  EXPECT_EQ(out, whole);
}

TEST(Robustness, RandomBytesEndCleanly) {
  std::mt19937 random(11);
  for (const size_t size : {1u, 3u, 4u, 417u, 5000u, 65536u}) {
    std::vector<uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<uint8_t>(random() % 3 == 0 ? 0xFF : random());
    const auto out = decodeWithStream<int16_t>(bytes);
    EXPECT_LE(out.samples.size(), size * 64) << size;  // bounded: no runaway output
    const auto chunked = decodeInChunks(bytes, 97);
    EXPECT_LE(chunked.size(), size * 64) << size;
  }
}

class Chunked : public testing::TestWithParam<size_t> {};

TEST_P(Chunked, FeedingInChunksGivesTheSameOutput) {
  for (const char* name : {kCbrFile, kVbrFile, "mpeg1-44k-free-640.mp3", "mpeg25-8k-mono-cbr8.mp3"}) {
    const auto bytes = readFile(corpusPath(name));
    const auto whole = decodeInChunks(bytes, bytes.size());
    EXPECT_FALSE(whole.empty()) << name;
    EXPECT_EQ(decodeInChunks(bytes, GetParam()), whole) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, Chunked, testing::Values(1, 100, 1500, 4096));

TEST(Robustness, ChunkedOutputIsTheStreamOutputBeforeTrimming) {
  // The Stream only drops the Xing frame's silence, the encoder delay and the padding.
  const auto bytes = readFile(corpusPath(kVbrFile));
  const auto raw = decodeInChunks(bytes, 4096);
  const auto trimmed = decodeWithStream<int16_t>(bytes).samples;
  const size_t skip = (1152 + 576 + 529) * 2;  // Xing frame, LAME's delay, the decoder's delay
  ASSERT_GT(raw.size(), skip + trimmed.size());
  EXPECT_TRUE(std::equal(trimmed.begin(), trimmed.end(), raw.begin() + static_cast<std::ptrdiff_t>(skip)));
}

TEST(Robustness, StartsHalfWayThroughTheTableOfContents) {
  const auto bytes = readFile(corpusPath(kVbrFile));
  const auto whole = decodeWithStream<int16_t>(bytes).samples;
  static mp3::Stream stream;
  ASSERT_TRUE(stream.open(bytes.data(), bytes.size()));
  stream.seekPercent(50);
  std::vector<int16_t> out, pcm(mp3::kMaxSamplesPerFrame * 2);
  while (const int n = stream.read(pcm.data())) out.insert(out.end(), pcm.begin(), pcm.begin() + n * 2);
  EXPECT_NEAR(stream.progressPercent(), 100.0, 1e-9);
  // After a few frames of warming up (reservoir, overlap, filterbank), the output is the whole
  // decode's from about the middle on.
  const size_t frame = 1152 * 2;
  ASSERT_GT(out.size(), 5 * frame);
  const auto warm = out.begin() + 4 * frame;
  const auto found = std::search(whole.begin(), whole.end(), warm, warm + frame);
  ASSERT_NE(found, whole.end());
  const double at = static_cast<double>(found - whole.begin()) / whole.size();
  EXPECT_NEAR(at, 0.5, 0.1);
}

}  // namespace

// Streams joined from a stereo and a mono part (frames without the bit reservoir): every frame
// plays, in the first frame's channel count. A part's first frame still carries the other part's
// filter state; from its second frame on the output is the part's own decode.
TEST(ChannelSwitch, AMonoPartPlaysOnBothChannelsOfAStereoStream) {
  const auto stereo = decodeWithStream<int16_t>(readFile(corpusPath("part-stereo.mpa"))).samples;
  const auto mono = decodeWithStream<int16_t>(readFile(corpusPath("part-mono.mpa"))).samples;
  const auto joined = decodeWithStream<int16_t>(readFile(corpusPath("switching-stereo-mono.mpa")));
  ASSERT_EQ(joined.channels, 2);
  ASSERT_EQ(joined.samples.size(), 2 * stereo.size() + 2 * mono.size());
  const auto monoPart = joined.samples.begin() + static_cast<std::ptrdiff_t>(stereo.size());
  EXPECT_TRUE(std::equal(stereo.begin(), stereo.end(), joined.samples.begin()));
  size_t wrong = 0;
  for (size_t i = 0; i < mono.size(); ++i) {
    const int16_t left = monoPart[static_cast<std::ptrdiff_t>(2 * i)],
                  right = monoPart[static_cast<std::ptrdiff_t>(2 * i + 1)];
    wrong += left != right || (i >= 1152 && left != mono[i]);
  }
  EXPECT_EQ(wrong, 0u);
  const size_t frame = 1152 * 2;
  EXPECT_TRUE(std::equal(stereo.begin() + frame, stereo.end(),
                         monoPart + static_cast<std::ptrdiff_t>(2 * mono.size() + frame)));
}

TEST(ChannelSwitch, AStereoPartIsMixedDownInAMonoStream) {
  const auto stereo = decodeWithStream<int16_t>(readFile(corpusPath("part-stereo.mpa"))).samples;
  const auto mono = decodeWithStream<int16_t>(readFile(corpusPath("part-mono.mpa"))).samples;
  const auto joined = decodeWithStream<int16_t>(readFile(corpusPath("switching-mono-stereo.mpa")));
  ASSERT_EQ(joined.channels, 1);
  ASSERT_EQ(joined.samples.size(), mono.size() + stereo.size() / 2);
  EXPECT_TRUE(std::equal(mono.begin(), mono.end(), joined.samples.begin()));
  size_t wrong = 0;
  for (size_t i = 1152; i < stereo.size() / 2; ++i)
    wrong += joined.samples[mono.size() + i] != (stereo[2 * i] + stereo[2 * i + 1]) / 2;
  EXPECT_EQ(wrong, 0u);
}

TEST(Robustness, AnId3v2TagLongerThanTheFileIsSkippedByItsHeaderOnly) {
  const auto bytes = readFile(corpusPath(kCbrFile));
  const auto whole = decodeWithStream<int16_t>(bytes).samples;
  // Size 0x0FFFFFFF (sync-safe), far past the end.
  std::vector<uint8_t> broken = {'I', 'D', '3', 3, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F};
  broken.insert(broken.end(), bytes.begin(), bytes.end());
  EXPECT_EQ(decodeWithStream<int16_t>(broken).samples, whole);
}
