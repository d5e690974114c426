#pragma once
// The effects written as MIDI: the music, the drum loops and the sound effects of the GS bank.
// `write_effect_midi` writes each score to sound/effects/midi/<name>.mid; the build renders those
// files through the soundfont.
#include <array>
#include <string_view>
#include <vector>

#include "sound/effects/tools/midi_file.h"

// General MIDI drum keys (channel 10).
namespace gm {
enum Drum : int {
  kick = 36,
  rim = 37,
  snare = 38,
  clap = 39,
  closedHat = 42,
  lowTom = 45,
  openHat = 46,
  crash = 49,
  highTom = 50,
  tambourine = 54,
  cowbell = 56,
  highBongo = 60,
  lowBongo = 61,
  muteConga = 62,
  openConga = 63,
  lowConga = 64,
  maracas = 70,
  claves = 75,
};
// Drum kits of the soundfont (bank 128).
enum Kit : int {
  standardKit = 0,
  roomKit = 8,
  powerKit = 16,
  electronicKit = 24,
  tr808Kit = 25,
  brushKit = 40,
  orchestraKit = 48
};
}  // namespace gm

// A drum struck at `start` seconds.
MidiNote drumStroke(double start, int key, int velocity, int kit = gm::standardKit);

// One line of a loop: one character per step (the first line of a loop is one bar), 'X' accent, 'x' normal, 'o' soft,
// '.' rest.
struct DrumLine {
  int key;
  std::string_view steps;
};
struct LoopShape {
  int bars = 1;        // the pattern lines are one bar and repeat
  double swing = 0.0;  // share of a step by which off-beat steps are late (0 … 0.5)
  int kit = gm::standardKit;
};
// One pass of a loop `seconds` long; a loop's effect folds the ringing past the end back onto
// its start, so it repeats without a seam.
std::vector<MidiNote> drumLoop(const std::vector<DrumLine>& lines, LoopShape shape, double seconds);

struct EffectScore {
  int effect;                                      // FX-nn
  std::string_view name;                           // sound/effects/midi/<name>.mid
  std::vector<MidiNote> (*notes)(double seconds);  // given the effect's length
};

extern const std::array<EffectScore, 35> kEffectScores;

// The file of a score: its notes, then three seconds for the last ones to ring out.
Bytes scoreFile(const EffectScore& score, double seconds);

// Scores, by kind.
std::vector<MidiNote> rockBeatScore(double);
std::vector<MidiNote> discoBeatScore(double);
std::vector<MidiNote> hipHopBeatScore(double);
std::vector<MidiNote> danceBeatScore(double);
std::vector<MidiNote> marchBeatScore(double);
std::vector<MidiNote> shuffleBeatScore(double);
std::vector<MidiNote> latinBeatScore(double);
std::vector<MidiNote> oneDropBeatScore(double);
std::vector<MidiNote> technoBeatScore(double);

std::vector<MidiNote> canonRingtoneScore(double);
std::vector<MidiNote> openingFanfareScore(double);
std::vector<MidiNote> gamblerEntranceScore(double);
std::vector<MidiNote> undeadOvertureScore(double);
std::vector<MidiNote> datingShowThemeScore(double);
std::vector<MidiNote> datingShowCueScore(double);
std::vector<MidiNote> partyProgrammeThemeScore(double);
std::vector<MidiNote> newsThemeScore(double);
std::vector<MidiNote> musicBoxJingleScore(double);

std::vector<MidiNote> phoneRingScore(double);
std::vector<MidiNote> dogBarksScore(double);
std::vector<MidiNote> manScreamScore(double);
std::vector<MidiNote> maleGhostHowlScore(double);
std::vector<MidiNote> manWailingScore(double);
std::vector<MidiNote> carStartingScore(double);
std::vector<MidiNote> motorbikeScore(double);
std::vector<MidiNote> crowdLaughScore(double);
std::vector<MidiNote> lewdLaughScore(double);
std::vector<MidiNote> applauseScore(double);
std::vector<MidiNote> trainScore(double);
std::vector<MidiNote> jetFlyoverScore(double);
std::vector<MidiNote> waterPouringScore(double);
std::vector<MidiNote> tenseBedScore(double);
std::vector<MidiNote> gloomyBedScore(double);
std::vector<MidiNote> thrillBedScore(double);
std::vector<MidiNote> weirdBedScore(double);
