#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sound/mp3/stream.h"

namespace mp3test {

// A decoded file: interleaved samples.
template <typename Sample>
struct Pcm {
  int channels = 0;
  int sampleRate = 0;
  std::vector<Sample> samples;
};

std::string corpusPath(const std::string& name);
std::vector<uint8_t> readFile(const std::string& path);

// Debian's libmpg123 with gapless decoding, as the reference.
Pcm<float> decodeWithMpg123(const std::string& path);
Pcm<int16_t> decodeWithMpg123Int16(const std::string& path);

// The project's decoder through mp3::Stream.
template <typename Sample>
Pcm<Sample> decodeWithStream(const std::vector<uint8_t>& bytes) {
  static mp3::Stream stream;  // 23 KB: kept off the test's stack
  Pcm<Sample> out;
  if (!stream.open(bytes.data(), bytes.size())) return out;
  out.channels = stream.channels();
  out.sampleRate = stream.sampleRate();
  std::vector<Sample> frame(mp3::kMaxSamplesPerFrame * 2);
  while (const int n = stream.read(frame.data()))
    out.samples.insert(out.samples.end(), frame.begin(), frame.begin() + n * out.channels);
  return out;
}

}  // namespace mp3test
