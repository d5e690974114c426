// The Layer III compliance streams kept beside the repository, each against the reference
// decoder's 16-bit output, at full accuracy: RMS difference below 2^-15/sqrt(12) of full scale,
// no sample more than 2^-14 off. The reference may hold a frame more or less at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "tests/unit/mp3/reference_decoder.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> streams() {
  std::vector<fs::path> found;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(MP3_VECTORS_DIR, error))
    if (entry.path().extension() == ".bit") found.push_back(entry.path());
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<int16_t> referenceOutput(const fs::path& stream) {
  fs::path pcm = stream;
  pcm.replace_extension(".pcm");
  const std::vector<uint8_t> bytes = mp3test::readFile(pcm.string());
  std::vector<int16_t> samples(bytes.size() / 2);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  return samples;
}

TEST(Conformance, EveryStreamMatchesTheReferenceAtFullAccuracy) {
  const std::vector<fs::path> found = streams();
  ASSERT_FALSE(found.empty()) << "no .bit streams in " << MP3_VECTORS_DIR;
  for (const fs::path& stream : found) {
    SCOPED_TRACE(stream.filename().string());
    const auto ours = mp3test::decodeWithStream<int16_t>(mp3test::readFile(stream.string()));
    const std::vector<int16_t> reference = referenceOutput(stream);
    ASSERT_GT(ours.channels, 0);
    const size_t frame = static_cast<size_t>(mp3::kMaxSamplesPerFrame * ours.channels);
    const size_t common = std::min(ours.samples.size(), reference.size());
    EXPECT_LE(std::max(ours.samples.size(), reference.size()) - common, frame) << "lengths differ by more than a frame";
    ASSERT_GT(common, 0u);
    double squares = 0;
    int worst = 0;
    size_t worstAt = 0;
    for (size_t i = 0; i < common; ++i) {
      const int e = std::abs(ours.samples[i] - reference[i]);
      squares += double(e) * e;
      if (e > worst) worst = e, worstAt = i;
    }
    const double rms = std::sqrt(squares / static_cast<double>(common));
    std::printf("%-20s rms %.4f steps, max %d steps (at sample %zu of %zu)\n", stream.filename().c_str(), rms, worst,
                worstAt / static_cast<size_t>(ours.channels), common / static_cast<size_t>(ours.channels));
    EXPECT_LT(rms, 1.0 / std::sqrt(12.0));
    EXPECT_LE(worst, 2);
  }
}

}  // namespace
