#include "sound/effects/tools/rendered.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "sound/effects/tools/process.h"
#include "sound/effects/tools/wad_sound.h"
#include "ui/whole_file.h"

namespace {
constexpr int kSoundfontRate = 44100;

// Every option that changes the sound is pinned: the same score gives the same bytes.
const char* const kFluidsynthOptions =
    " -q -n -i -r 44100 -g 0.2 -z 64 -R 1 -C 1"
    " -o synth.cpu-cores=1 -o synth.polyphony=256 -o synth.midi-bank-select=gs"
    " -o synth.dynamic-sample-loading=0 -o player.timing-source=sample -o player.reset-synth=1"
    " -o synth.reverb.room-size=0.4 -o synth.reverb.damp=0.3 -o synth.reverb.width=0.8 -o synth.reverb.level=0.4"
    " -o synth.chorus.nr=3 -o synth.chorus.level=1.2 -o synth.chorus.speed=0.3 -o synth.chorus.depth=8"
    " -o audio.file.type=raw -o audio.file.format=float -o audio.file.endian=little";

Stereo fromFloatPairs(const Bytes& raw, int rate) {
  Stereo s(rate, raw.size() / 8);
  for (std::size_t i = 0; i < s.frames(); ++i) {
    std::memcpy(&s.left[i], raw.data() + 8 * i, 4);
    std::memcpy(&s.right[i], raw.data() + 8 * i + 4, 4);
  }
  return s;
}

// sox, dither off, to 32-bit float stereo at `rate` on its standard output; at half the level, so
// that a rate change never clips a recording made at full scale (levels are set afterwards).
std::string soxToFloat(const ExternalTools& tools, const std::string& input, int rate) {
  return shellQuoted(tools.sox) + " -D -v 0.5 " + input + " -t f32 -c 2 -r " + std::to_string(rate) + " - rate -v";
}
}  // namespace

Stereo renderScoreFile(const ExternalTools& tools, std::string_view name, int rate) {
  const std::string midi = tools.midiDir + "/" + std::string(name) + ".mid";
  const std::string raw = tools.workDir + "/" + std::string(name) + ".raw";
  runCapturing(shellQuoted(tools.fluidsynth) + kFluidsynthOptions + " -F " + shellQuoted(raw) + " " +
               shellQuoted(tools.sourceRoot + "/" + std::string(kGeneralMidiSoundfont)) + " " +
               shellQuoted(tools.sourceRoot + "/" + std::string(kGsSoundfont)) + " " + shellQuoted(midi));
  const std::string input = "-t f32 -c 2 -r " + std::to_string(kSoundfontRate) + " " + shellQuoted(raw);
  Stereo s = fromFloatPairs(runCapturing(soxToFloat(tools, input, rate)), rate);
  std::remove(raw.c_str());
  return s;
}

Stereo loadRecording(const ExternalTools& tools, std::string_view path, int rate) {
  return fromFloatPairs(runCapturing(soxToFloat(tools, shellQuoted(tools.sourceRoot + "/" + std::string(path)), rate)),
                        rate);
}

Stereo loadWadSound(const ExternalTools& tools, std::string_view wadPath, std::string_view lump, int rate) {
  const std::string file = readWholeFile(tools.sourceRoot + "/" + std::string(wadPath)).bytes;
  const Bytes wad(file.begin(), file.end());
  const Bytes wav = wadSoundAsWav(wad, lump);
  const std::string path = tools.workDir + "/" + std::string(lump) + ".wav";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(wav.data()), std::streamsize(wav.size()));
  Stereo s = fromFloatPairs(runCapturing(soxToFloat(tools, shellQuoted(path), rate)), rate);
  std::remove(path.c_str());
  return s;
}

Stereo fitted(Stereo s, std::size_t frames) {
  s.left.resize(frames);
  s.right.resize(frames);
  return s;
}

Stereo foldedLoop(const Stereo& s, std::size_t frames) {
  Stereo loop(s.rate, frames);
  for (std::size_t i = 0; i < s.frames(); ++i) {
    loop.left[i % frames] += s.left[i];
    loop.right[i % frames] += s.right[i];
  }
  return loop;
}
