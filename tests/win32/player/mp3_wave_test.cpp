// An MPEG Layer-3 WAV (format tag 85) plays through the system's decoder: the wave mapper opens it
// with a codec, and the sound card receives 16-bit PCM at the same rate.
#include <gtest/gtest.h>

#include "sound/player/effect_player_win32.h"
#include "tests/support/sound_images.h"
#include "tests/win32/player/captured_output.h"
#include "ui/whole_file.h"
#include "tests/support/poll.h"

using namespace test_images;

namespace {

ByteVector readFile(const char* path) { return byteVectorOf(readWholeFile(path).bytes); }

// 1 channel, 24,000 Hz, 32 kbit/s MPEG-2 Layer III: frames of 96 bytes, one per block.
ByteVector mpegLayer3Format() {
  ByteVector f;
  appendLe(f, 85, 2);
  appendLe(f, 1, 2);
  appendLe(f, 24000, 4);
  appendLe(f, 4000, 4);
  appendLe(f, 1, 2);
  appendLe(f, 0, 2);
  appendLe(f, 12, 2);    // extra bytes
  appendLe(f, 1, 2);     // MPEG identifier
  appendLe(f, 2, 4);     // no padding flags
  appendLe(f, 96, 2);    // block size
  appendLe(f, 1, 2);     // frames per block
  appendLe(f, 1393, 2);  // codec delay
  return f;
}

std::int16_t sampleAt(const ByteVector& b, std::size_t i) {
  return static_cast<std::int16_t>(std::to_integer<unsigned>(b[2 * i]) | std::to_integer<unsigned>(b[2 * i + 1]) << 8);
}

// Where all of `reference` appears in `out`, sample by sample within `tolerance`; -1 if nowhere.
long long findSimilarRun(const ByteVector& out, const ByteVector& reference, int tolerance) {
  const std::size_t outSamples = out.size() / 2, refSamples = reference.size() / 2;
  for (std::size_t at = 0; at + refSamples <= outSamples; ++at) {
    std::size_t i = 0;
    while (i < refSamples && std::abs(sampleAt(out, at + i) - sampleAt(reference, i)) <= tolerance) ++i;
    if (i == refSamples) return static_cast<long long>(at);
  }
  return -1;
}

TEST(Mp3Wave, DecodesToWhatAReferenceDecoderGives) {
  CapturedOutput captured;
  const ByteVector mp3 = readFile(LANXING_TEST_MP3);
  const ByteVector reference = readFile(LANXING_TEST_MP3_PCM);  // mpg123 --no-gapless, 16-bit mono
  ASSERT_GT(mp3.size(), 1000u);
  ASSERT_GT(reference.size(), 10000u);
  ByteVector sampleCount;
  appendLe(sampleCount, static_cast<std::uint32_t>(reference.size() / 2), 4);
  const ByteVector image =
      riffWave({chunk("fmt ", mpegLayer3Format()), chunk("data", mp3), chunk("fact", sampleCount)});

  ASSERT_TRUE(TheEffectPlayer().Play(image));
  ASSERT_TRUE(test_support::pollUntil([] { return TheEffectPlayer().playingVoices() == 0; }));
  ASSERT_EQ(captured.streamCount(), 1);
  EXPECT_GE(findSimilarRun(captured.stream(0), reference, 2), 0);
}

}  // namespace
