// The musical effects: Pachelbel's Canon as a ring tone, fanfares, programme themes and the
// music-box jingle of the signature.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "sound/effects/tools/score.h"
#include "sound/effects/tools/scores.h"

namespace {
// Notes in our notation, then in MIDI.
struct Arrangement {
  std::vector<Note> notes;
  std::vector<MidiNote> drums;

  void strokes(int key, double from, double until, double every, int velocity, int kit = gm::standardKit) {
    for (double t = from; t < until - 1e-9; t += every) drums.push_back(drumStroke(t, key, velocity, kit));
  }
  std::vector<MidiNote> midi() const {
    std::vector<MidiNote> out = toMidi(notes);
    out.insert(out.end(), drums.begin(), drums.end());
    return out;
  }
};

// Each chord of a progression broken into a repeating figure of eighth notes.
void addArpeggios(std::vector<Note>& n, const std::vector<std::vector<int>>& chords, double beat, double barBeats,
                  double fromBeat, int repeats, Voicing v) {
  double at = fromBeat;
  for (int r = 0; r < repeats; ++r)
    for (const auto& chord : chords)
      for (int k = 0; k < int(barBeats * 2); ++k, at += 0.5)
        n.push_back({at * beat, beat * 0.9, double(chord[k % chord.size()]), v.velocity, v.instrument, v.pan});
}

// A soft pop backing: piano broken chords, pad and bass, `bars` bars of 4 beats.
void popBacking(std::vector<Note>& n, const std::vector<std::vector<int>>& chords, double beat, int bars) {
  for (int bar = 0; bar < bars; ++bar) {
    const auto& chord = chords[bar % chords.size()];
    for (int k = 0; k < 8; ++k)
      n.push_back({(bar * 4 + k * 0.5) * beat, beat * 0.9, double(chord[k % chord.size()] + (k >= 4 ? 12 : 0)), 0.45f,
                   Instrument::piano, -0.25f});
    n.push_back({bar * 4 * beat, 4 * beat, double(chord[0] - 12), 0.55f, Instrument::bass, 0.0f});
    for (int note : chord) n.push_back({bar * 4 * beat, 4 * beat, double(note), 0.25f, Instrument::pad, 0.25f});
  }
}
}  // namespace

std::vector<MidiNote> canonRingtoneScore(double) {
  // Pachelbel's Canon in D: the ground bass, broken chords, then the violin lines in turn.
  const double beat = 0.45;
  Arrangement a;
  const char* ground = "D3:2 A2:2 B2:2 F#2:2 G2:2 D2:2 G2:2 A2:2 ";
  for (int cycle = 0; cycle < 4; ++cycle)
    addTune(a.notes, ground, cycle * 16.0, beat, {Instrument::piano, 0.75f, -0.2f, 1.0});
  addArpeggios(a.notes,
               {{62, 66, 69, 66},
                {57, 61, 64, 61},
                {59, 62, 66, 62},
                {54, 57, 61, 57},
                {55, 59, 62, 59},
                {50, 54, 57, 54},
                {55, 59, 62, 59},
                {57, 61, 64, 61}},
               beat, 2, 0.0, 4, {Instrument::pluck, 0.55f, 0.3f});
  const Voicing box{Instrument::musicBox, 0.9f, 0.0f, 1.0};
  addTune(a.notes, "F#5:2 E5:2 D5:2 C#5:2 B4:2 A4:2 B4:2 C#5:2", 16.0, beat, box);
  addTune(a.notes, "D5:2 C#5:2 B4:2 A4:2 G4:2 F#4:2 G4:2 E4:2", 32.0, beat, box);
  addTune(a.notes,
          "D5:0.5 F#5:0.5 A5:0.5 G5:0.5 F#5:0.5 D5:0.5 F#5:0.5 E5:0.5 D5:0.5 B4:0.5 D5:0.5 A5:0.5 "
          "G5:0.5 B5:0.5 A5:0.5 G5:0.5 F#5:0.5 D5:0.5 E5:0.5 C#6:0.5 D6:0.5 F#6:0.5 A6:0.5 A5:0.5 "
          "B5:0.5 G5:0.5 A5:0.5 F#5:0.5 D5:0.5 D6:0.5 D6:0.75 C#6:0.25 D6:4",
          48.0, beat, box);
  return a.midi();
}

std::vector<MidiNote> openingFanfareScore(double) {
  // Ta, ta-ta, taaa — TAAAA: brass over timpani strokes and a cymbal.
  Arrangement a;
  addTune(a.notes, "G4:0.5 G4:0.25 G4:0.25 C5:1 E5+C5+G4:2.5", 0.0, 0.34, {Instrument::brass, 1.0f, 0.0f, 0.75});
  addTune(a.notes, "C3:0.5 C3:0.5 r:1 C3:2", 0.0, 0.34, {Instrument::timpani, 0.9f, 0.0f, 1.0});
  a.drums.push_back(drumStroke(0.68, gm::crash, 100, gm::orchestraKit));
  return a.midi();
}

std::vector<MidiNote> gamblerEntranceScore(double) {
  // A hero's entrance in C minor: trembling strings, a bold brass theme, thundering drums.
  const double beat = 0.5;
  Arrangement a;
  for (int k = 0; k < 96; ++k)
    a.notes.push_back({k * beat / 4, beat / 4 * 0.9, k % 2 ? 67.0 : 63.0, 0.45f, Instrument::strings, 0.0f});
  addTune(a.notes, "C2:4 C2:4 Ab1:4 G1:4 C2:4 C2:4", 0.0, beat, {Instrument::bass, 0.9f, 0.0f, 1.0});
  addTune(a.notes,
          "r:2 C4:1.5 G4:0.5 C5:2 Bb4:0.5 Ab4:0.5 G4:1 Eb4:1 F4:0.5 G4:0.5 Ab4:1 G4:2 "
          "C5:1.5 Eb5:0.5 D5:2 C5:0.5 Bb4:0.5 C5:4",
          0.0, beat, {Instrument::brass, 1.0f, 0.0f, 0.95});
  addTune(a.notes, "r:17 Eb4+G4:2 F4+Ab4:2 Eb4+G4+C5:4", 0.0, beat, {Instrument::brass, 0.7f, 0.0f, 0.95});
  a.strokes(gm::lowTom, 0.0, 10.0, 2 * beat, 115, gm::orchestraKit);
  a.strokes(gm::snare, 0.0, 1.0, beat / 4, 70, gm::orchestraKit);
  a.drums.push_back(drumStroke(1.0, gm::crash, 100, gm::orchestraKit));
  a.drums.push_back(drumStroke(9.0, gm::crash, 120, gm::orchestraKit));
  return a.midi();
}

std::vector<MidiNote> undeadOvertureScore(double seconds) {
  // A dark march in D minor, three in a bar: strings in a restless figure, a choir, a horn theme.
  const double beat = 0.6;
  Arrangement a;
  addArpeggios(a.notes,
               {{50, 57, 53, 57, 50, 57}, {46, 53, 50, 53, 46, 53}, {48, 55, 52, 55, 48, 55}, {45, 52, 49, 52, 45, 52}},
               beat, 3, 0.0, 4, {Instrument::strings, 0.6f, -0.3f});
  const char* choir = "D4+F4+A4:6 Bb3+D4+F4:6 C4+E4+G4:6 A3+C#4+E4:6 ";
  for (int r = 0; r < 2; ++r) addTune(a.notes, choir, 6.0 + r * 24.0, beat, {Instrument::choir, 0.8f, 0.2f, 1.0});
  addTune(a.notes, "D2:3 D2:3 Bb1:3 Bb1:3 C2:3 C2:3 A1:3 A1:3 D2:3 D2:3 Bb1:3 Bb1:3 C2:3 C2:3 A1:3 A1:3", 0.0, beat,
          {Instrument::bass, 0.8f, 0.0f, 1.0});
  addTune(a.notes, "r:12 D5:2 E5:1 F5:2 G5:1 A5:3 G5:1.5 F5:1.5 E5:3 C5:3 D5:2 E5:1 F5:2 E5:1 D5:3 C#5:3 D5:6", 0.0,
          beat, {Instrument::brass, 0.9f, 0.0f, 0.97});
  a.strokes(gm::lowTom, 0.0, seconds - 1.5, 3 * beat, 105, gm::orchestraKit);
  return a.midi();
}

std::vector<MidiNote> datingShowThemeScore(double) {
  // A romantic pop theme in C: intro, the tune, the tune again with strings, a closing chord.
  const double beat = 60.0 / 92.0;
  const std::vector<std::vector<int>> chords = {{60, 64, 67, 64}, {57, 60, 64, 60}, {53, 57, 60, 57}, {55, 59, 62, 59}};
  Arrangement a;
  popBacking(a.notes, chords, beat, 24);
  const char* tune =
      "E5:1 G5:1 C6:1.5 B5:0.5 A5:2 E5:2 F5:1 A5:1 C6:1 A5:1 G5:3 r:1 "
      "E5:1 G5:1 C6:1 D6:1 E6:1.5 D6:0.5 C6:2 A5:1 C6:1 B5:1 G5:1 C6:4 ";
  addTune(a.notes, tune, 16.0, beat, {Instrument::lead, 0.8f, 0.1f, 0.95});
  addTune(a.notes, tune, 48.0, beat, {Instrument::lead, 0.8f, 0.1f, 0.95});
  addTune(a.notes, tune, 48.0, beat, {Instrument::strings, 0.6f, -0.1f, 1.0});
  addTune(a.notes, "C4+E4+G4+C5:8", 96.0, beat, {Instrument::strings, 0.8f, 0.0f, 1.0});
  addTune(a.notes, "C6:1 E6:1 G6:2", 96.0, beat, {Instrument::bell, 0.7f, 0.3f, 1.0});
  a.strokes(gm::kick, 16 * beat, 96 * beat, 2 * beat, 90);
  a.strokes(gm::snare, 17 * beat, 96 * beat, 2 * beat, 70);
  a.strokes(gm::closedHat, 16 * beat, 96 * beat, beat / 2, 50);
  return a.midi();
}

std::vector<MidiNote> datingShowCueScore(double) {
  // The show's heart-to-heart cue in F: a heartbeat, a bell tune and warm strings.
  const double beat = 60.0 / 76.0;
  Arrangement a;
  const char* chords = "F3+A3+C4:4 D3+F3+A3:4 Bb2+D3+F3:4 C3+E3+G3:4 ";
  for (int r = 0; r < 3; ++r) addTune(a.notes, chords, r * 16.0, beat, {Instrument::strings, 0.6f, -0.2f, 1.0});
  for (int r = 0; r < 3; ++r)
    addTune(a.notes, "F2:4 D2:4 Bb1:4 C2:4", r * 16.0, beat, {Instrument::bass, 0.7f, 0.0f, 1.0});
  const char* tune =
      "A5:2 C6:2 D6:1 C6:1 A5:2 Bb5:1 A5:1 G5:1 F5:1 G5:4 A5:2 C6:2 F6:1 E6:1 D6:2 C6:1 Bb5:1 A5:1 G5:1 F5:4 ";
  addTune(a.notes, tune, 8.0, beat, {Instrument::bell, 0.6f, 0.2f, 1.0});
  addTune(a.notes, "F3+A3+C4+F4:6", 40.0, beat, {Instrument::strings, 0.8f, 0.0f, 1.0});
  a.strokes(gm::kick, 0.0, 40 * beat, beat, 80);
  a.strokes(gm::kick, beat * 0.3, 40 * beat, beat, 55);
  return a.midi();
}

std::vector<MidiNote> partyProgrammeThemeScore(double) {
  // A festive march in B-flat: snare roll, brass fanfare over strings, cymbal on the last chord.
  const double beat = 0.5;
  Arrangement a;
  addTune(a.notes,
          "r:2 F4:0.5 Bb4:0.5 D5:0.5 F5:1.5 D5:0.5 F5:0.5 Bb5:2 A5:1 G5:1 F5:1.5 G5:0.5 F5:1 Eb5:1 D5:1 C5:1 Bb4:2 "
          "Bb4+D5+F5+Bb5:4",
          0.0, beat, {Instrument::brass, 1.0f, 0.0f, 0.95});
  addTune(a.notes, "r:2 Bb3+D4+F4:4 Eb4+G4+Bb4:4 Bb3+D4+F4:2 F3+A3+C4+Eb4:2 Bb3+D4+F4:6", 0.0, beat,
          {Instrument::strings, 0.6f, -0.3f, 1.0});
  addTune(a.notes, "r:2 Bb2:2 Bb2:2 Eb2:2 Eb2:2 Bb2:2 F2:2 Bb1:6", 0.0, beat, {Instrument::timpani, 0.8f, 0.0f, 1.0});
  a.strokes(gm::snare, 0.0, 2 * beat, beat / 8, 75, gm::orchestraKit);
  a.strokes(gm::snare, 2 * beat, 16 * beat, beat, 70, gm::orchestraKit);
  a.drums.push_back(drumStroke(16 * beat, gm::crash, 115, gm::orchestraKit));
  return a.midi();
}

std::vector<MidiNote> newsThemeScore(double) {
  // An urgent news opener: racing strings, brass chords, timpani, and a bell signature at the end.
  const double beat = 0.5;
  Arrangement a;
  const int figure[] = {62, 69, 65, 69};
  const int shift[] = {0, 0, -2, -2, 0, 0, -4, -3, 0, 0};
  for (int k = 0; k < 80; ++k)
    a.notes.push_back(
        {k * beat / 4, beat / 4 * 0.8, double(figure[k % 4] + shift[k / 8 % 10]), 0.6f, Instrument::strings, -0.3f});
  addTune(a.notes, "D4+F4+A4:4 Bb3+D4+F4:4 D4+F4+A4:4 Bb3+D4+G4:2 A3+C#4+E4:2 D4+F4+A4+D5:6", 0.0, beat,
          {Instrument::brass, 0.8f, 0.2f, 0.9});
  addTune(a.notes, "D2:1 r:3 Bb1:1 r:3 D2:1 r:3 G1:1 r:1 A1:1 r:1 D2:2", 0.0, beat,
          {Instrument::timpani, 0.9f, 0.0f, 1.0});
  addTune(a.notes, "r:18 D6:0.5 A5:0.5 D6:0.5 F6:2.5", 0.0, beat, {Instrument::bell, 0.8f, 0.2f, 1.0});
  a.strokes(gm::rim, 0.0, 9.0, beat / 2, 50);
  return a.midi();
}

std::vector<MidiNote> musicBoxJingleScore(double) {
  // The signature's music-box flourish, a soft chord under the words and a closing chime.
  Arrangement a;
  addTune(a.notes, "C6:0.25 E6:0.25 G6:0.25 C7:0.25 G6:0.25 C7:1", 0.0, 0.22, {Instrument::musicBox, 0.8f, 0.0f, 1.0});
  addTune(a.notes, "C4+G4+E5:11", 5.0, 0.22, {Instrument::pad, 0.35f, 0.0f, 1.0});
  addTune(a.notes, "G6+C7+E7:3", 16.5, 0.22, {Instrument::bell, 0.6f, 0.0f, 1.0});
  return a.midi();
}

std::vector<MidiNote> gloomyBedScore(double) {
  // A low D-minor pad and slow, heavy piano notes.
  Arrangement a;
  addTune(a.notes, "D2+A2+F3:8 Bb1+F2+D3:8 G1+D2+Bb2:8 A1+E2+C#3:8", 0.0, 0.52, {Instrument::pad, 0.9f, 0.0f, 1.0});
  addTune(a.notes, "D3:4 F3:4 E3:4 D3:4 Bb2:4 A2:4 G2:4 A2:4", 0.0, 0.52, {Instrument::piano, 0.8f, -0.2f, 1.0});
  return a.midi();
}

std::vector<MidiNote> thrillBedScore(double seconds) {
  // A chase: pounding toms, a racing ostinato that climbs step by step, brass stabs.
  const double beat = 0.375;  // 160 BPM
  Arrangement a;
  const int root[] = {45, 45, 46, 46, 48, 48, 49, 50, 50, 51, 52, 52, 53, 54, 55};
  for (int bar = 0; bar * 4 * beat < seconds - 1.0; ++bar) {
    const int r = root[std::min<std::size_t>(std::size_t(bar), std::size(root) - 1)];
    for (int k = 0; k < 8; ++k)
      a.notes.push_back({(bar * 4 + k * 0.5) * beat, beat * 0.4,
                         double(r + (k % 4 == 3 ? 3
                                     : k % 2    ? 12
                                                : 0)),
                         0.75f, Instrument::strings, 0.3f});
    if (bar % 2 == 1)
      a.notes.push_back({(bar * 4 + 3) * beat, beat * 0.9, double(r + 12), 0.85f, Instrument::brass, -0.3f});
  }
  for (int k = 0; k * beat < seconds - 0.6; ++k) {
    a.drums.push_back(drumStroke(k * beat, gm::lowTom, 115, gm::orchestraKit));
    if (k % 4 >= 2) a.drums.push_back(drumStroke((k + 0.5) * beat, gm::highTom, 90, gm::orchestraKit));
    if (k % 8 == 0) a.drums.push_back(drumStroke(k * beat, gm::crash, 95, gm::orchestraKit));
  }
  return a.midi();
}

std::vector<MidiNote> weirdBedScore(double seconds) {
  // A music box wandering a whole-tone scale at uneven times, from one side to the other.
  std::vector<MidiNote> notes;
  Rng rng(53);
  const int scale[] = {72, 74, 76, 78, 80, 82, 84};
  const float pans[] = {-0.7f, 0.0f, 0.7f};
  for (double t = 0.2; t < seconds - 1.0; t += rng.between(0.25, 0.6))
    notes.push_back({t, 0.3, scale[rng.next() % 7], 90, generalMidiPatch(Instrument::musicBox), pans[rng.next() % 3]});
  return notes;
}
