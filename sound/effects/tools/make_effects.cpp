// Build tool: renders the 64 built-in effects and writes them, in storage order, as byte sets
// (u32 1, u32 N, N bytes) into one file that the program embeds. Prints one level line per effect.
//   make_effects <output file> <work folder> <espeak-ng> <lame> [--wavs <folder>]
#include <cstdio>
#include <exception>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "sound/effects/tools/build_effect.h"

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
    } catch (...) {
      failed = std::current_exception();
    }
  };
  std::thread other(work, 1, std::ref(failure[1]));
  work(0, failure[0]);
  other.join();
  for (const auto& f : failure)
    if (f) std::rethrow_exception(f);
  return built;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 5 && !(argc == 7 && std::string(argv[5]) == "--wavs")) {
    std::fprintf(stderr, "usage: make_effects <output> <work folder> <espeak-ng> <lame> [--wavs <folder>]\n");
    return 2;
  }
  try {
    const ExternalTools tools{argv[3], argv[4], argv[2]};
    const std::vector<BuiltEffect> built = buildAll(tools);
    Bytes blob;
    std::set<Bytes> distinct;
    for (std::size_t i = 0; i < built.size(); ++i) {
      const EffectRow& row = kEffectRows[i];
      const BuiltEffect& e = built[i];
      putLe32(blob, 1);
      putLe32(blob, std::uint32_t(e.image.size()));
      blob.insert(blob.end(), e.image.begin(), e.image.end());
      if (!distinct.insert(e.image).second) throw std::runtime_error("FX-" + std::to_string(row.number) + " repeats an image");
      std::printf("FX-%02d %-12s peak %6.2f dBFS  rms %6.2f dBFS  silent %3.0f%%  clipped runs %zu\n", row.number,
                  reinterpret_cast<const char*>(row.caption), e.levels.peakDb, e.levels.rmsDb, e.levels.silentShare * 100,
                  e.levels.clippedRuns);
      if (argc == 7) {
        char name[16];
        std::snprintf(name, sizeof name, "/FX-%02d.wav", row.number);
        writeFile(argv[6] + std::string(name), e.image);
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
