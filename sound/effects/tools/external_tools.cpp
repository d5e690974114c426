#include "sound/effects/tools/external_tools.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/pcm.h"
#include "sound/effects/tools/process.h"
#include "ui/whole_file.h"

namespace {
std::uint32_t le32(const Bytes& b, std::size_t at) {
  return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
         std::uint32_t(b[at + 3]) << 24;
}
}  // namespace

void trimSilence(std::vector<float>& x) {
  std::size_t first = 0, last = x.size();
  while (first < last && std::abs(x[first]) < 0.004f) ++first;
  while (last > first && std::abs(x[last - 1]) < 0.004f) --last;
  x = std::vector<float>(x.begin() + std::ptrdiff_t(first), x.begin() + std::ptrdiff_t(last));
}

std::vector<float> decodePcm16(const Bytes& wav, int& rate) {
  if (wav.size() < 12) throw std::runtime_error("not a WAV image");
  std::size_t at = 12;
  rate = 0;
  while (at + 8 <= wav.size()) {
    const std::string id(wav.begin() + std::ptrdiff_t(at), wav.begin() + std::ptrdiff_t(at + 4));
    const std::size_t size = le32(wav, at + 4);
    if (id == "fmt ") rate = int(le32(wav, at + 12));
    if (id == "data") {
      // A stream written to a pipe cannot go back to fill in its size: take what is there.
      const std::size_t end = std::min(wav.size(), at + 8 + size);
      std::vector<float> out;
      for (std::size_t i = at + 8; i + 1 < end; i += 2)
        out.push_back(float(std::int16_t(wav[i] | wav[i + 1] << 8)) / 32768.0f);
      return out;
    }
    at += 8 + size + (size & 1);
  }
  throw std::runtime_error("WAV image without data");
}

std::vector<float> speak(const ExternalTools& tools, const SpeechRequest& request, int rate) {
  const std::string text(reinterpret_cast<const char*>(request.text));
  const std::string command = shellQuoted(tools.espeak) + " --stdout -v " + shellQuoted(request.voice) + " -s " +
                              std::to_string(request.wordsPerMinute) + " -p " + std::to_string(request.pitch) + " " +
                              shellQuoted(text);
  int spokenRate = 0;
  std::vector<float> samples = decodePcm16(runCapturing(command), spokenRate);
  trimSilence(samples);
  return resample(samples, spokenRate, rate);
}

Bytes encodeLayer3(const ExternalTools& tools, const std::vector<float>& samples, int frames) {
  Stereo mono(24000, samples.size());
  mono.left = samples;
  mono.right = samples;
  const Bytes wav = buildWavImage(pcmFormat(1, 24000, 16, false), {}, encodePcm(mono, 1, 16, samples.size()), {});
  const std::string in = tools.workDir + "/fanfare.wav", out = tools.workDir + "/fanfare.mp3";
  std::ofstream(in, std::ios::binary).write(reinterpret_cast<const char*>(wav.data()), std::streamsize(wav.size()));
  runCapturing(shellQuoted(tools.lame) + " --quiet -t -b 32 --cbr -m m --resample 24 --noreplaygain " +
               shellQuoted(in) + " " + shellQuoted(out));
  const std::string written = readWholeFile(out).bytes;
  Bytes stream(written.begin(), written.end());
  constexpr std::size_t kFrameBytes = 96;
  if (stream.size() % kFrameBytes) throw std::runtime_error("lame gave a stream that is not whole 96-byte frames");
  for (std::size_t at = 0; at < stream.size(); at += kFrameBytes) {
    // MPEG-2, Layer III, 32 kbit/s, 24 kHz, no padding: every frame is exactly 96 bytes.
    if (stream[at] != 0xFF || (stream[at + 1] & 0xFE) != 0xF2 || (stream[at + 2] & 0xFE) != 0x44)
      throw std::runtime_error("lame gave a frame that is not 96 bytes of MPEG-2 Layer III at 24 kHz");
  }
  if (stream.size() < frames * kFrameBytes)
    throw std::runtime_error("lame gave " + std::to_string(stream.size() / kFrameBytes) + " frames, fewer than wanted");
  stream.resize(frames * kFrameBytes);
  return stream;
}
