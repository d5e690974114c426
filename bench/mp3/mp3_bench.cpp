// Decode speed of the project's mp3 decoder beside libmpg123's, in times real time on one core,
// over the test corpus. Prints figures; never fails on speed.
//   mp3_bench <corpus dir> [repeats] [--only=ours|generic|default]
// With --only, just that decoder runs, for callgrind (scripts/bench.sh --callgrind).
#include <mpg123.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "sound/mp3/stream.h"
#include "ui/whole_file.h"

namespace {

struct File {
  std::string name;
  std::vector<uint8_t> bytes;
  double seconds = 0;
};

using Clock = std::chrono::steady_clock;

// Both kept out of line so callgrind can count just the decoding.
[[gnu::noinline]] size_t decodeWithOurs(mp3::Stream& stream, const File& file, int16_t* pcm) {
  stream.open(file.bytes.data(), file.bytes.size());
  size_t samples = 0;
  while (const int n = stream.read(pcm)) samples += static_cast<size_t>(n);
  return samples;
}

[[gnu::noinline]] size_t decodeWithMpg123(mpg123_handle* mh, const File& file, std::vector<unsigned char>& out) {
  mpg123_open_feed(mh);
  mpg123_feed(mh, file.bytes.data(), file.bytes.size());
  size_t bytes = 0, done = 0;
  int r;
  while ((r = mpg123_read(mh, out.data(), out.size(), &done)) == MPG123_OK || r == MPG123_NEW_FORMAT) bytes += done;
  bytes += done;
  mpg123_close(mh);
  return bytes;
}

template <typename Decode>
double timeIt(int repeats, Decode&& decode) {
  const auto start = Clock::now();
  for (int i = 0; i < repeats; ++i) decode();
  return std::chrono::duration<double>(Clock::now() - start).count() / repeats;
}

mpg123_handle* openMpg123(const char* decoder) {
  int error = 0;
  mpg123_handle* mh = mpg123_new(decoder, &error);
  if (!mh) return nullptr;
  mpg123_param(mh, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
  mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_FORCE_STEREO, 0);
  mpg123_param(mh, MPG123_REMOVE_FLAGS, MPG123_FORCE_STEREO, 0);
  return mh;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <corpus dir> [repeats] [--only=ours|generic|default]\n", argv[0]);
    return 2;
  }
  const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
  const std::string only = argc > 3 && std::strncmp(argv[3], "--only=", 7) == 0 ? argv[3] + 7 : "";

  std::vector<File> files;
  for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
    if (entry.path().extension() != ".mp3") continue;
    const std::string bytes = readWholeFile(entry.path().string()).bytes;
    files.push_back({entry.path().filename().string(), std::vector<uint8_t>(bytes.begin(), bytes.end())});
  }
  std::sort(files.begin(), files.end(), [](const File& a, const File& b) { return a.name < b.name; });

  static mp3::Stream stream;
  std::printf("decoder state: sizeof(mp3::Decoder) = %zu bytes, sizeof(mp3::Stream) = %zu bytes\n",
              sizeof(mp3::Decoder), sizeof(mp3::Stream));
  std::vector<int16_t> pcm(mp3::kMaxSamplesPerFrame * 2);
  double audioSeconds = 0;
  for (File& f : files) {
    stream.open(f.bytes.data(), f.bytes.size());
    f.seconds = static_cast<double>(decodeWithOurs(stream, f, pcm.data())) / stream.sampleRate();
    audioSeconds += f.seconds;
  }
  mpg123_init();
  mpg123_handle* generic = openMpg123("generic");
  mpg123_handle* standard = openMpg123(nullptr);
  std::vector<unsigned char> out(1 << 16);
  if (!only.empty()) {
    mpg123_handle* theirs = only == "generic" ? generic : standard;
    for (int i = 0; i < repeats; ++i)
      for (const File& f : files) {
        if (only == "ours")
          decodeWithOurs(stream, f, pcm.data());
        else if (theirs)
          decodeWithMpg123(theirs, f, out);
      }
    std::printf("decoded %.2f s of audio %d times\n", audioSeconds, repeats);
    return 0;
  }
  std::printf("mpg123 default decoder: %s\n", standard ? mpg123_current_decoder(standard) : "(none)");

  std::printf("%-32s %8s %12s %12s %12s %8s %8s\n", "file", "audio s", "ours x", "generic x", "default x", "/gen",
              "/def");
  double ours = 0, gen = 0, def = 0;
  for (const File& f : files) {
    const double a = timeIt(repeats, [&] { decodeWithOurs(stream, f, pcm.data()); });
    const double b = generic ? timeIt(repeats, [&] { decodeWithMpg123(generic, f, out); }) : 0;
    const double c = standard ? timeIt(repeats, [&] { decodeWithMpg123(standard, f, out); }) : 0;
    ours += a, gen += b, def += c;
    std::printf("%-32s %8.2f %12.0f %12.0f %12.0f %8.2f %8.2f\n", f.name.c_str(), f.seconds, f.seconds / a,
                b ? f.seconds / b : 0, c ? f.seconds / c : 0, b / a, c / a);
  }
  std::printf("%-32s %8.2f %12.0f %12.0f %12.0f %8.2f %8.2f\n", "overall", audioSeconds, audioSeconds / ours,
              gen ? audioSeconds / gen : 0, def ? audioSeconds / def : 0, gen / ours, def / ours);
  mpg123_delete(generic);
  mpg123_delete(standard);
  return 0;
}
