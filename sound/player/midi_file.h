#pragma once
// Standard MIDI Files, flattened into one time-ordered stream of events for the system's MIDI
// stream output. Parsing never reads past the bytes given.
#include <cstdint>
#include <optional>
#include <vector>

#include "sound/bytes.h"

struct MidiEvent {
  // rest: nothing sounds; it carries the time from the last event to the end of the piece, so a
  // looping piece keeps its closing silence.
  enum class Kind : std::uint8_t { shortMessage, tempo, rest };
  std::uint32_t delta;  // ticks after the previous event of the stream
  Kind kind;
  std::uint32_t payload;  // status | data1 << 8 | data2 << 16, or microseconds per quarter note, or 0
};

struct MidiSequence {
  std::uint16_t division;  // ticks per quarter note, or SMPTE frames and ticks, as in the file
  std::vector<MidiEvent> events;
};

// The header chunk "MThd" of length 6, then one "MTrk" chunk per track with well-formed events;
// anything else gives nothing. System-exclusive and meta events other than tempo are dropped (their
// time is kept), and the tracks are merged by time. The sequence is never empty: a piece that ends
// after its last event (or has none) ends with a rest.
[[nodiscard]] std::optional<MidiSequence> ParseMidiFile(Bytes image);
