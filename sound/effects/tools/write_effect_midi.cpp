// Build tool: writes the scores of the effects that are MIDI as standard MIDI files, one per
// score, into a folder (the committed copies live in sound/effects/midi):
//   write_effect_midi <folder>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "sound/effects/tools/effect_list.h"
#include "sound/effects/tools/scores.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_effect_midi <folder>\n");
    return 2;
  }
  for (const EffectScore& score : kEffectScores) {
    const EffectRow& row = kEffectRows.at(std::size_t(score.effect - 1));
    const Bytes file = scoreFile(score, effectSeconds(row));
    const std::string path = std::string(argv[1]) + "/" + std::string(score.name) + ".mid";
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    if (!out) {
      std::fprintf(stderr, "write_effect_midi: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
