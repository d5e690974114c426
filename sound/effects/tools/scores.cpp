#include "sound/effects/tools/scores.h"

#include <algorithm>
#include <cmath>

MidiNote drumStroke(double start, int key, int velocity, int kit) {
  return {start, 0.25, key, velocity, {kDrumBank, kit}, 0.0f};
}

std::vector<MidiNote> drumLoop(const std::vector<DrumLine>& lines, LoopShape shape, double seconds) {
  // The first line is one bar; a longer line spans several bars before it repeats.
  std::vector<MidiNote> notes;
  const std::size_t steps = lines.at(0).steps.size() * std::size_t(shape.bars);
  const double step = seconds / double(steps);
  for (const DrumLine& line : lines) {
    for (std::size_t s = 0; s < steps; ++s) {
      const char c = line.steps[s % line.steps.size()];
      if (c == '.') continue;
      const double late = (s % 2) ? shape.swing * step : 0.0;
      notes.push_back(drumStroke(double(s) * step + late, line.key, c == 'X' ? 120 : c == 'x' ? 95 : 60, shape.kit));
    }
  }
  return notes;
}

const std::array<EffectScore, 35> kEffectScores = {{
    {41, "rock_beat", rockBeatScore},
    {31, "disco_beat", discoBeatScore},
    {63, "hip_hop_beat", hipHopBeatScore},
    {43, "dance_beat", danceBeatScore},
    {32, "march_beat", marchBeatScore},
    {64, "shuffle_beat", shuffleBeatScore},
    {11, "latin_beat", latinBeatScore},
    {23, "one_drop_beat", oneDropBeatScore},
    {22, "techno_beat", technoBeatScore},
    {54, "canon_ringtone", canonRingtoneScore},
    {49, "opening_fanfare", openingFanfareScore},
    {14, "gambler_entrance", gamblerEntranceScore},
    {17, "undead_overture", undeadOvertureScore},
    {20, "dating_show_theme", datingShowThemeScore},
    {40, "dating_show_cue", datingShowCueScore},
    {29, "party_programme_theme", partyProgrammeThemeScore},
    {36, "news_theme", newsThemeScore},
    {2, "music_box_jingle", musicBoxJingleScore},
    {13, "phone_ring", phoneRingScore},
    {8, "dog_barks", dogBarksScore},
    {16, "man_scream", manScreamScore},
    {4, "male_ghost_howl", maleGhostHowlScore},
    {15, "man_wailing", manWailingScore},
    {62, "car_starting", carStartingScore},
    {26, "motorbike", motorbikeScore},
    {3, "crowd_laugh", crowdLaughScore},
    {27, "lewd_laugh", lewdLaughScore},
    {7, "applause", applauseScore},
    {21, "train", trainScore},
    {51, "jet_flyover", jetFlyoverScore},
    {42, "water_pouring", waterPouringScore},
    {33, "tense_bed", tenseBedScore},
    {10, "gloomy_bed", gloomyBedScore},
    {39, "thrill_bed", thrillBedScore},
    {53, "weird_bed", weirdBedScore},
}};

Bytes scoreFile(const EffectScore& score, double seconds) {
  const std::vector<MidiNote> notes = score.notes(seconds);
  double last = 0;
  for (const MidiNote& n : notes) last = std::max(last, n.start + n.length);
  return midiFile(notes, last + 3.0);
}
