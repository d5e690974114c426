// The musical effects: Pachelbel's Canon as a ring tone, fanfares and programme themes.
#include <algorithm>
#include <cmath>
#include <utility>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/drums.h"
#include "sound/effects/tools/recipes.h"
#include "sound/effects/tools/score.h"

namespace {
// A drum struck on every `every` seconds from `from` until `until`.
void addStrokes(Stereo& s, Drum drum, double from, double until, double every, float gain, Rng& rng, float pan = 0) {
  for (double t = from; t < until; t += every) mixIn(s, drumHit(drum, s.rate, rng), t, gain, pan);
}

// Each chord of a progression broken into a repeating figure of eighth notes.
void addArpeggios(std::vector<Note>& n, const std::vector<std::vector<int>>& chords, double beat, double barBeats,
                  double fromBeat, int repeats, Voicing v) {
  double at = fromBeat;
  for (int r = 0; r < repeats; ++r)
    for (const auto& chord : chords)
      for (int k = 0; k < int(barBeats * 2); ++k, at += 0.5)
        n.push_back({at * beat, beat * 0.9, double(chord[k % chord.size()]), v.velocity, v.instrument, v.pan});
}
}  // namespace

Stereo canonRingtone(const RenderContext& c) {
  // Pachelbel's Canon in D: the ground bass, broken chords, then the violin lines in turn.
  const double beat = 0.45;
  std::vector<Note> n;
  const char* ground = "D3:2 A2:2 B2:2 F#2:2 G2:2 D2:2 G2:2 A2:2 ";
  for (int cycle = 0; cycle < 4; ++cycle) addTune(n, ground, cycle * 16.0, beat, {Instrument::piano, 0.9f, -0.2f, 1.0});
  addArpeggios(n, {{62, 66, 69, 66}, {57, 61, 64, 61}, {59, 62, 66, 62}, {54, 57, 61, 57}, {55, 59, 62, 59}, {50, 54, 57, 54},
                   {55, 59, 62, 59}, {57, 61, 64, 61}},
               beat, 2, 0.0, 4, {Instrument::pluck, 0.45f, 0.3f});
  const Voicing box{Instrument::musicBox, 0.9f, 0.0f, 1.0};
  addTune(n, "F#5:2 E5:2 D5:2 C#5:2 B4:2 A4:2 B4:2 C#5:2", 16.0, beat, box);
  addTune(n, "D5:2 C#5:2 B4:2 A4:2 G4:2 F#4:2 G4:2 E4:2", 32.0, beat, box);
  addTune(n, "D5:0.5 F#5:0.5 A5:0.5 G5:0.5 F#5:0.5 D5:0.5 F#5:0.5 E5:0.5 D5:0.5 B4:0.5 D5:0.5 A5:0.5 "
             "G5:0.5 B5:0.5 A5:0.5 G5:0.5 F#5:0.5 D5:0.5 E5:0.5 C#6:0.5 D6:0.5 F#6:0.5 A6:0.5 A5:0.5 "
             "B5:0.5 G5:0.5 A5:0.5 F#5:0.5 D5:0.5 D6:0.5 D6:0.75 C#6:0.25 D6:4",
          48.0, beat, box);
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  return finished(std::move(s), {0.5, 0.2}, {0.0, 1.5});
}

Stereo openingFanfare(const RenderContext& c) {
  // Ta, ta-ta, taaa — TAAAA: brass over a timpani stroke and a cymbal.
  std::vector<Note> n;
  addTune(n, "G4:0.5 G4:0.25 G4:0.25 C5:1 E5+C5+G4:2.5", 0.0, 0.34, {Instrument::brass, 1.0f, 0.0f, 0.75});
  addTune(n, "C3:0.5 C3:0.5 r:1 C3:2", 0.0, 0.34, {Instrument::timpani, 0.9f, 0.0f, 1.0});
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  Rng rng(c.seed);
  mixIn(s, drumHit(Drum::crash, c.rate, rng), 0.68, 0.5f);
  return finished(std::move(s), {0.5, 0.2}, {0.0, 0.25});
}

Stereo gamblerEntrance(const RenderContext& c) {
  // A hero's entrance in C minor: trembling strings, a bold brass theme, thundering drums.
  const double beat = 0.5;
  std::vector<Note> n;
  for (int k = 0; k < 96; ++k) n.push_back({k * beat / 4, beat / 4 * 0.9, k % 2 ? 67.0 : 63.0, 0.35f, Instrument::strings, 0.0f});
  addTune(n, "C2:4 C2:4 Ab1:4 G1:4 C2:4 C2:4", 0.0, beat, {Instrument::bass, 0.9f, 0.0f, 1.0});
  const Voicing horns{Instrument::brass, 1.0f, 0.0f, 0.95};
  addTune(n, "r:2 C4:1.5 G4:0.5 C5:2 Bb4:0.5 Ab4:0.5 G4:1 Eb4:1 F4:0.5 G4:0.5 Ab4:1 G4:2 "
             "C5:1.5 Eb5:0.5 D5:2 C5:0.5 Bb4:0.5 C5:4",
          0.0, beat, horns);
  addTune(n, "r:17 Eb4+G4:2 F4+Ab4:2 Eb4+G4+C5:4", 0.0, beat, {Instrument::brass, 0.7f, 0.0f, 0.95});
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  Rng rng(c.seed);
  addStrokes(s, Drum::tomLow, 0.0, 10.0, 2 * beat, 0.9f, rng);
  addStrokes(s, Drum::snare, 0.0, 1.0, beat / 4, 0.35f, rng);
  mixIn(s, drumHit(Drum::crash, c.rate, rng), 1.0, 0.6f);
  mixIn(s, drumHit(Drum::crash, c.rate, rng), 9.0, 0.8f);
  return finished(std::move(s), {0.6, 0.25}, {0.0, 1.0});
}

Stereo undeadOverture(const RenderContext& c) {
  // A dark march in D minor, three in a bar: strings in a restless figure, a choir, a horn theme.
  const double beat = 0.6;
  std::vector<Note> n;
  addArpeggios(n, {{50, 57, 53, 57, 50, 57}, {46, 53, 50, 53, 46, 53}, {48, 55, 52, 55, 48, 55}, {45, 52, 49, 52, 45, 52}}, beat, 3,
               0.0, 4, {Instrument::strings, 0.5f, -0.3f});
  const char* choir = "D4+F4+A4:6 Bb3+D4+F4:6 C4+E4+G4:6 A3+C#4+E4:6 ";
  for (int r = 0; r < 2; ++r) addTune(n, choir, 6.0 + r * 24.0, beat, {Instrument::choir, 0.8f, 0.2f, 1.0});
  addTune(n, "D2:3 D2:3 Bb1:3 Bb1:3 C2:3 C2:3 A1:3 A1:3 D2:3 D2:3 Bb1:3 Bb1:3 C2:3 C2:3 A1:3 A1:3", 0.0, beat,
          {Instrument::bass, 0.8f, 0.0f, 1.0});
  addTune(n, "r:12 D5:2 E5:1 F5:2 G5:1 A5:3 G5:1.5 F5:1.5 E5:3 C5:3 D5:2 E5:1 F5:2 E5:1 D5:3 C#5:3 D5:6", 0.0, beat,
          {Instrument::brass, 0.9f, 0.0f, 0.97});
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  Rng rng(c.seed);
  addStrokes(s, Drum::tomLow, 0.0, c.seconds() - 1.5, 3 * beat, 0.8f, rng);
  return finished(std::move(s), {0.8, 0.3}, {0.5, 2.0});
}

namespace {
// A soft pop backing: piano broken chords, pad, bass and a gentle beat, `bars` bars of 4 beats.
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

void popBeat(Stereo& s, double beat, double from, double until, Rng& rng) {
  addStrokes(s, Drum::kick, from, until, 2 * beat, 0.7f, rng);
  addStrokes(s, Drum::snare, from + beat, until, 2 * beat, 0.45f, rng);
  addStrokes(s, Drum::closedHat, from, until, beat / 2, 0.25f, rng, 0.3f);
}
}  // namespace

Stereo datingShowTheme(const RenderContext& c) {
  // A romantic pop theme in C: intro, the tune, the tune again with strings, a closing chord.
  const double beat = 60.0 / 92.0;
  const std::vector<std::vector<int>> chords = {{60, 64, 67, 64}, {57, 60, 64, 60}, {53, 57, 60, 57}, {55, 59, 62, 59}};
  std::vector<Note> n;
  popBacking(n, chords, beat, 24);
  const char* tune = "E5:1 G5:1 C6:1.5 B5:0.5 A5:2 E5:2 F5:1 A5:1 C6:1 A5:1 G5:3 r:1 "
                     "E5:1 G5:1 C6:1 D6:1 E6:1.5 D6:0.5 C6:2 A5:1 C6:1 B5:1 G5:1 C6:4 ";
  addTune(n, tune, 16.0, beat, {Instrument::lead, 0.7f, 0.1f, 0.95});
  addTune(n, tune, 48.0, beat, {Instrument::lead, 0.7f, 0.1f, 0.95});
  addTune(n, tune, 48.0, beat, {Instrument::strings, 0.5f, -0.1f, 1.0});
  addTune(n, "C4+E4+G4+C5:8", 96.0, beat, {Instrument::strings, 0.8f, 0.0f, 1.0});
  addTune(n, "C6:1 E6:1 G6:2", 96.0, beat, {Instrument::bell, 0.7f, 0.3f, 1.0});
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  Rng rng(c.seed);
  popBeat(s, beat, 16 * beat, 96 * beat, rng);
  return finished(std::move(s), {0.5, 0.2}, {0.0, 2.5});
}

Stereo datingShowCue(const RenderContext& c) {
  // The show's heart-to-heart cue in F: a heartbeat, a bell tune and warm strings.
  const double beat = 60.0 / 76.0;
  std::vector<Note> n;
  const char* chords = "F3+A3+C4:4 D3+F3+A3:4 Bb2+D3+F3:4 C3+E3+G3:4 ";
  for (int r = 0; r < 3; ++r) addTune(n, chords, r * 16.0, beat, {Instrument::strings, 0.6f, -0.2f, 1.0});
  for (int r = 0; r < 3; ++r) addTune(n, "F2:4 D2:4 Bb1:4 C2:4", r * 16.0, beat, {Instrument::bass, 0.7f, 0.0f, 1.0});
  const char* tune = "A5:2 C6:2 D6:1 C6:1 A5:2 Bb5:1 A5:1 G5:1 F5:1 G5:4 A5:2 C6:2 F6:1 E6:1 D6:2 C6:1 Bb5:1 A5:1 G5:1 F5:4 ";
  addTune(n, tune, 8.0, beat, {Instrument::bell, 0.6f, 0.2f, 1.0});
  addTune(n, "F3+A3+C4+F4:6", 40.0, beat, {Instrument::strings, 0.8f, 0.0f, 1.0});
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  Rng rng(c.seed);
  for (double t = 0; t < 40 * beat; t += beat) {
    mixIn(s, drumHit(Drum::kick, c.rate, rng), t, 0.5f);
    mixIn(s, drumHit(Drum::kick, c.rate, rng), t + beat * 0.3, 0.3f);
  }
  return finished(std::move(s), {0.7, 0.3}, {0.0, 2.0});
}

Stereo partyProgrammeTheme(const RenderContext& c) {
  // A festive march in B-flat: snare roll, brass fanfare over strings, cymbal on the last chord.
  const double beat = 0.5;
  std::vector<Note> n;
  addTune(n, "r:2 F4:0.5 Bb4:0.5 D5:0.5 F5:1.5 D5:0.5 F5:0.5 Bb5:2 A5:1 G5:1 F5:1.5 G5:0.5 F5:1 Eb5:1 D5:1 C5:1 Bb4:2 "
             "Bb4+D5+F5+Bb5:4",
          0.0, beat, {Instrument::brass, 1.0f, 0.0f, 0.95});
  addTune(n, "r:2 Bb3+D4+F4:4 Eb4+G4+Bb4:4 Bb3+D4+F4:2 F3+A3+C4+Eb4:2 Bb3+D4+F4:6", 0.0, beat,
          {Instrument::strings, 0.6f, -0.3f, 1.0});
  addTune(n, "r:2 Bb2:2 Bb2:2 Eb2:2 Eb2:2 Bb2:2 F2:2 Bb1:6", 0.0, beat, {Instrument::timpani, 0.8f, 0.0f, 1.0});
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  Rng rng(c.seed);
  addStrokes(s, Drum::snare, 0.0, 2 * beat, beat / 8, 0.4f, rng, 0.2f);
  addStrokes(s, Drum::snare, 2 * beat, 16 * beat, beat, 0.35f, rng, 0.2f);
  mixIn(s, drumHit(Drum::crash, c.rate, rng), 16 * beat, 0.8f);
  return finished(std::move(s), {0.6, 0.25}, {0.0, 1.0});
}

Stereo newsTheme(const RenderContext& c) {
  // An urgent news opener: racing strings, brass chords, timpani, and a bell signature at the end.
  const double beat = 0.5;
  std::vector<Note> n;
  const int figure[] = {62, 69, 65, 69};
  const int shift[] = {0, 0, -2, -2, 0, 0, -4, -3, 0, 0};
  for (int k = 0; k < 80; ++k)
    n.push_back({k * beat / 4, beat / 4 * 0.8, double(figure[k % 4] + shift[k / 8 % 10]), 0.55f, Instrument::strings, -0.3f});
  addTune(n, "D4+F4+A4:4 Bb3+D4+F4:4 D4+F4+A4:4 Bb3+D4+G4:2 A3+C#4+E4:2 D4+F4+A4+D5:6", 0.0, beat,
          {Instrument::brass, 0.8f, 0.2f, 0.9});
  addTune(n, "D2:1 r:3 Bb1:1 r:3 D2:1 r:3 G1:1 r:1 A1:1 r:1 D2:2", 0.0, beat, {Instrument::timpani, 0.9f, 0.0f, 1.0});
  addTune(n, "r:18 D6:0.5 A5:0.5 D6:0.5 F6:2.5", 0.0, beat, {Instrument::bell, 0.8f, 0.2f, 1.0});
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  Rng rng(c.seed);
  addStrokes(s, Drum::rim, 0.0, 9.0, beat / 2, 0.2f, rng, 0.5f);
  return finished(std::move(s), {0.5, 0.2}, {0.0, 1.5});
}
