// Sound effects played from the GS bank: its recordings of a telephone, a dog, screams, laughter,
// applause, engines, a train, a jet and water, placed in time like notes.
#include "sound/effects/tools/scores.h"

namespace {
// GS sound effects: the variation banks of the last General MIDI programs.
constexpr MidiPatch kTelephone2{1, 124}, kDog{1, 123}, kScreaming{2, 126}, kLaughs{1, 126}, kApplause{0, 126},
    kCarEngine{1, 125}, kCarPass{3, 125}, kTrain{6, 125}, kJetPlane{7, 125}, kStream{4, 122}, kBubble{5, 122},
    kHeartBeat{4, 126};
constexpr MidiPatch kTremoloStrings{0, 44};

MidiNote sound(MidiPatch patch, double start, double length, int key = 60, int velocity = 110, float pan = 0.0f) {
  return {start, length, key, velocity, patch, pan};
}
}  // namespace

std::vector<MidiNote> phoneRingScore(double seconds) { return {sound(kTelephone2, 0.0, seconds)}; }

std::vector<MidiNote> dogBarksScore(double) {
  // A dog barking in bursts of two to four, its voice moving a little from bark to bark.
  const double starts[] = {0.05, 0.45, 1.35, 1.7, 2.05, 3.4, 3.8, 5.1, 5.45, 5.8, 6.15, 7.5, 7.9};
  const int keys[] = {60, 61, 60, 62, 60, 59, 60, 61, 60, 62, 61, 60, 59};
  std::vector<MidiNote> notes;
  for (std::size_t i = 0; i < std::size(starts); ++i)
    notes.push_back(sound(kDog, starts[i], 0.35, keys[i], 100 + int(i % 3) * 9));
  return notes;
}

std::vector<MidiNote> manScreamScore(double seconds) { return {sound(kScreaming, 0.0, seconds - 0.1, 55, 120)}; }

std::vector<MidiNote> maleGhostHowlScore(double seconds) { return {sound(kScreaming, 0.0, seconds - 0.2, 44, 110)}; }

std::vector<MidiNote> manWailingScore(double seconds) {
  return {sound(kScreaming, 0.0, 1.6, 50, 115), sound(kScreaming, 1.5, seconds - 1.6, 48, 110)};
}

std::vector<MidiNote> carStartingScore(double seconds) { return {sound(kCarEngine, 0.0, seconds - 0.3)}; }

std::vector<MidiNote> motorbikeScore(double seconds) { return {sound(kCarPass, 0.0, seconds, 67)}; }

std::vector<MidiNote> crowdLaughScore(double seconds) {
  // Four people laughing at once, each in their own voice and place, and laughing again.
  std::vector<MidiNote> notes;
  const float pans[] = {-0.6f, 0.5f, -0.2f, 0.25f};
  const int keys[] = {60, 64, 57, 62};
  for (int round = 0; round < 2; ++round)
    for (int k = 0; k < 4; ++k)
      notes.push_back(
          sound(kLaughs, round * 1.25 + k * 0.14, seconds, keys[k] + round, 115 - k * 6 - round * 15, pans[k]));
  return notes;
}

std::vector<MidiNote> lewdLaughScore(double seconds) {
  // One low, knowing laugh, again and again.
  std::vector<MidiNote> notes;
  for (double t = 0.0; t < seconds - 1.0; t += 1.9) notes.push_back(sound(kLaughs, t, 1.8, 54, 115));
  return notes;
}

std::vector<MidiNote> applauseScore(double seconds) {
  // A hall applauding: three sections of the audience, left, middle and right, each taking up
  // the clapping again before it dies away.
  std::vector<MidiNote> notes;
  const float pans[] = {-0.6f, 0.0f, 0.6f};
  for (int section = 0; section < 3; ++section)
    for (double t = section * 0.2; t < seconds - 2.0; t += 3.0)
      notes.push_back(sound(kApplause, t + section * 0.9, 3.6, 58 + 2 * section, 115, pans[section]));
  return notes;
}

std::vector<MidiNote> trainScore(double seconds) { return {sound(kTrain, 0.0, seconds)}; }

std::vector<MidiNote> jetFlyoverScore(double seconds) { return {sound(kJetPlane, 0.0, seconds)}; }

std::vector<MidiNote> waterPouringScore(double seconds) {
  // Water running into a vessel, with bubbles rising as it fills.
  std::vector<MidiNote> notes = {sound(kStream, 0.0, seconds, 67, 110)};
  for (int i = 0; i < 14; ++i) notes.push_back(sound(kBubble, 0.6 + i * 0.72, 0.5, 60 + (i * 5) % 9, 70));
  return notes;
}

std::vector<MidiNote> tenseBedScore(double seconds) {
  // A racing heart under low trembling strings.
  return {sound(kHeartBeat, 0.0, seconds, 60, 120), sound(kTremoloStrings, 0.0, seconds, 40, 70),
          sound(kTremoloStrings, 0.0, seconds, 41, 60)};
}
