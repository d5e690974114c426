// Build tool: renders the 64 built-in effects and writes them, in storage order, as byte sets
// (u32 1, u32 N, N bytes) into one file that the program embeds. Prints one level line per effect.
//   make_effects <output file> --work <folder> --midi <folder> --sources <folder> --espeak <path>
//                --lame <path> --fluidsynth <path> --sox <path> [--wavs <folder>]
// The sources folder holds the unpacked Debian packages; their licences are checked first.
#include <cstdio>
#include <exception>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "sound/effects/tools/build_effect.h"
#include "sound/effects/tools/sources.h"

namespace {
void writeFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

// Effects are independent: two workers share them out, each taking every other row.
std::vector<BuiltEffect> buildAll(const ExternalTools& tools) {
  std::vector<BuiltEffect> built(kEffectRows.size());
  std::exception_ptr failure[2];
  auto work = [&](std::size_t first, std::exception_ptr& failed) {
    try {
      for (std::size_t i = first; i < kEffectRows.size(); i += 2) built[i] = buildEffect(kEffectRows[i], tools);
    } catch (...) { failed = std::current_exception(); }
  };
  std::thread other(work, 1, std::ref(failure[1]));
  work(0, failure[0]);
  other.join();
  for (const auto& f : failure)
    if (f) std::rethrow_exception(f);
  return built;
}

// "--name value" pairs after the output file.
std::map<std::string, std::string> options(int argc, char** argv) {
  std::map<std::string, std::string> found;
  for (int i = 2; i + 1 < argc; i += 2) found[argv[i]] = argv[i + 1];
  for (const char* needed : {"--work", "--midi", "--sources", "--espeak", "--lame", "--fluidsynth", "--sox"})
    if (!found.count(needed)) throw std::invalid_argument(std::string("missing ") + needed);
  return found;
}
}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> given;
  try {
    given = options(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr,
                 "make_effects: %s\nusage: make_effects <output> --work <folder> --midi <folder> --sources <folder> "
                 "--espeak <path> --lame <path> --fluidsynth <path> --sox <path> [--wavs <folder>]\n",
                 e.what());
    return 2;
  }
  try {
    checkSourceLicences(given["--sources"]);
    const ExternalTools tools{given["--espeak"], given["--lame"], given["--fluidsynth"], given["--sox"],
                              given["--work"],   given["--midi"], given["--sources"]};
    const std::vector<BuiltEffect> built = buildAll(tools);
    Bytes blob;
    std::set<Bytes> distinct;
    for (std::size_t i = 0; i < built.size(); ++i) {
      const EffectRow& row = kEffectRows[i];
      const BuiltEffect& e = built[i];
      putLe32(blob, 1);
      putLe32(blob, std::uint32_t(e.image.size()));
      blob.insert(blob.end(), e.image.begin(), e.image.end());
      if (!distinct.insert(e.image).second)
        throw std::runtime_error("FX-" + std::to_string(row.number) + " repeats an image");
      std::printf("FX-%02d %-12s peak %6.2f dBFS  rms %6.2f dBFS  silent %3.0f%%  clipped runs %zu\n", row.number,
                  reinterpret_cast<const char*>(row.caption), e.levels.peakDb, e.levels.rmsDb,
                  e.levels.silentShare * 100, e.levels.clippedRuns);
      if (given.count("--wavs")) {
        char name[16];
        std::snprintf(name, sizeof name, "/FX-%02d.wav", row.number);
        writeFile(given["--wavs"] + name, e.image);
      }
    }
    writeFile(argv[1], blob);
    std::printf("%zu effects, %zu bytes of images\n", built.size(), blob.size() - 8 * built.size());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_effects: %s\n", e.what());
    return 1;
  }
}
