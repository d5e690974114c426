#include "tests/support/audiofile/mp3_reference.h"

#include "sound/mp3/stream.h"

namespace audiofile::testing {

std::vector<std::int16_t> decodeWholeFile(const std::vector<std::uint8_t>& file, double startPercent) {
  std::vector<std::int16_t> pcm;
  mp3::Stream stream;
  if (!stream.open(file.data(), file.size())) return pcm;
  if (startPercent > 0) stream.seekPercent(startPercent);
  std::vector<std::int16_t> frame(mp3::kMaxSamplesPerFrame * 2);
  while (const int samples = stream.read(frame.data()))
    pcm.insert(pcm.end(), frame.begin(), frame.begin() + samples * stream.channels());
  return pcm;
}

}  // namespace audiofile::testing
