// The project's mp3 decoder behind the player: what plays is what the decoder makes of the file,
// tags at either end change nothing, and a start part way in goes through the table of contents.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "sound/audiofile/mp3_frame_source.h"
#include "sound/audiofile/player.h"
#include "tests/support/audiofile/mp3_reference.h"
#include "tests/unit/audiofile/fakes.h"
#include "ui/whole_file.h"

namespace audiofile::testing {
namespace {

std::vector<std::uint8_t> readMp3(const std::string& name) {
  const std::string bytes = readWholeFile(std::string(AUDIOFILE_MP3_DIR) + "/" + name).bytes;
  return {bytes.begin(), bytes.end()};
}

struct Mp3Rig {
  MemoryFiles files;
  Mp3FrameSources decoders;
  FakeWaveOutput output;
  RecordingNotifier notifier;
  PlayerServices services{files, decoders, output, notifier};

  PlayedStream play(const std::vector<std::uint8_t>& file, double startPercent = 0) {
    files.files["x.mp3"] = file;
    {
      Player player(services, {"x.mp3"}, 1);
      EXPECT_TRUE(player.newPlay(nullptr, "", startPercent));
      EXPECT_TRUE(test_support::pollUntil([&] { return player.state() == PlayerState::stopped; }));
    }
    return streams(output).at(0);
  }
};

TEST(Mp3Playback, ThePlayerPlaysExactlyWhatTheDecoderMakesOfTheFile) {
  const std::vector<std::uint8_t> file = readMp3("jingle.mp3");
  ASSERT_FALSE(file.empty());
  Mp3Rig rig;
  const PlayedStream stream = rig.play(file);
  EXPECT_EQ(stream.format, (PcmFormat{2, 44100}));
  const std::vector<std::int16_t> expected = decodeWholeFile(file);
  EXPECT_EQ(expected.size(), 1.5 * 44100 * 2) << "the source's exact length";
  EXPECT_EQ(stream.played, expected);
}

TEST(Mp3Playback, TagsAtBothEndsPlayAsTheBareFile) {
  const std::vector<std::uint8_t> bare = readMp3("jingle.mp3");
  // An ID3v2.3 tag whose body is full of false frame syncs, and an ID3v1 tag likewise.
  std::vector<std::uint8_t> tagged = {'I', 'D', '3', 3, 0, 0, 0, 0, 0x02, 0x00};  // body: 256 bytes, sync-safe
  for (int i = 0; i < 256; ++i) tagged.push_back(i % 2 ? 0xFB : 0xFF);
  tagged.insert(tagged.end(), bare.begin(), bare.end());
  const std::size_t v1 = tagged.size();
  tagged.resize(v1 + 128, 0xFF);
  std::copy_n("TAG", 3, tagged.begin() + static_cast<std::ptrdiff_t>(v1));

  Mp3Rig rig;
  EXPECT_EQ(rig.play(tagged).played, decodeWholeFile(bare));
}

TEST(Mp3Playback, AStartHalfWayGoesThroughTheTableOfContents) {
  // Three seconds of silence, then one of noise that takes nearly all the bytes: half the playing
  // time is at two seconds, in the silence; half the bytes would be well into the noise.
  const std::vector<std::uint8_t> file = readMp3("silence-then-noise.mp3");
  Mp3Rig rig;
  const std::vector<std::int16_t> played = rig.play(file, 50).played;
  ASSERT_GE(played.size(), 44100u * 19 / 10) << "about two seconds are left";
  EXPECT_LE(played.size(), 44100u * 21 / 10);
  const auto loudest = [](auto from, auto to) {
    return std::abs(*std::max_element(from, to, [](int a, int b) { return std::abs(a) < std::abs(b); }));
  };
  EXPECT_LT(loudest(played.begin(), played.begin() + 44100 * 8 / 10), 64) << "it begins in the silence";
  EXPECT_GT(loudest(played.end() - 44100 / 2, played.end()), 4000) << "and ends in the noise";
}

TEST(Mp3Playback, AFileThatIsNoMp3StartsNothing) {
  Mp3Rig rig;
  rig.files.files["x.mp3"] = std::vector<std::uint8_t>(5000, 0x41);
  Player player(rig.services, {"x.mp3"}, 1);
  EXPECT_FALSE(player.play());
  EXPECT_EQ(player.state(), PlayerState::stopped);
  EXPECT_EQ(rig.output.streamCount(), 0u);
}

}  // namespace
}  // namespace audiofile::testing
