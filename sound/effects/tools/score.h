#pragma once
// Notes played by simple synthetic instruments, and a small text notation to write tunes in:
// "D5:1 F#5:0.5 r:0.5 D4+A4:2" — a note name with octave (or several joined by '+', or r for a
// rest), a colon and its length in beats.
#include <cstdint>
#include <string_view>
#include <vector>

#include "sound/effects/tools/midi_file.h"
#include "sound/effects/tools/signal.h"

enum class Instrument { piano, bell, musicBox, pluck, brass, strings, pad, bass, choir, lead, timpani };

struct Note {
  double start = 0, length = 0.5;  // seconds
  double midi = 60;
  float velocity = 0.8f;
  Instrument instrument = Instrument::piano;
  float pan = 0.0f;
};

struct Voicing {
  Instrument instrument;
  float velocity = 0.8f;
  float pan = 0.0f;
  double legato = 0.95;  // share of the written length that sounds
};

// Appends the notes of `tune`, starting at `startBeat` with `secondsPerBeat`. Returns the beat
// after the last note.
double addTune(std::vector<Note>& notes, std::string_view tune, double startBeat, double secondsPerBeat,
               Voicing voicing);

// MIDI number of a note name such as "C4", "F#3" or "Bb5"; -1 for anything else.
int parseNoteName(std::string_view name);

std::vector<float> renderNote(const Note& note, int rate, Rng& rng);
Stereo renderScore(int rate, std::size_t frames, const std::vector<Note>& notes, std::uint64_t seed);

// The General MIDI instrument that plays each of ours when a score goes through a soundfont.
MidiPatch generalMidiPatch(Instrument instrument);
std::vector<MidiNote> toMidi(const std::vector<Note>& notes);
