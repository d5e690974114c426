// Every corpus file decoded by the Windows build of the decoder, to 16 bits, within one step of
// libmpg123's decoding on the build machine, with the same gapless length.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "sound/mp3/stream.h"
#include "ui/whole_file.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> readFile(const fs::path& path) {
  const std::string bytes = readWholeFile(path.string()).bytes;
  return {bytes.begin(), bytes.end()};
}

std::vector<int16_t> decode(const std::vector<uint8_t>& bytes) {
  static mp3::Stream stream;
  std::vector<int16_t> out, frame(mp3::kMaxSamplesPerFrame * 2);
  if (!stream.open(bytes.data(), bytes.size())) return out;
  while (const int n = stream.read(frame.data()))
    out.insert(out.end(), frame.begin(), frame.begin() + n * stream.channels());
  return out;
}

TEST(Mp3OnWindows, EveryCorpusFileWithinOneStepOfLibmpg123) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(MP3_CORPUS_DIR))
    if (entry.path().extension() == ".mp3") files.push_back(entry.path());
  ASSERT_GE(files.size(), 10u) << MP3_CORPUS_DIR;
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    const std::vector<int16_t> ours = decode(readFile(file));
    const std::vector<uint8_t> reference = readFile(fs::path(file).concat(".pcm"));
    ASSERT_EQ(ours.size() * 2, reference.size());
    ASSERT_FALSE(ours.empty());
    int worst = 0;
    for (size_t i = 0; i < ours.size(); ++i) {
      const auto theirs = static_cast<int16_t>(reference[2 * i] | (reference[2 * i + 1] << 8));
      worst = std::max(worst, std::abs(ours[i] - theirs));
    }
    std::printf("%-32s max %d steps\n", file.filename().string().c_str(), worst);
    EXPECT_LE(worst, 1);
  }
}

}  // namespace
