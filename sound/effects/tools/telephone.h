#pragma once
// Line tones of the Chinese telephone network (all on 450 Hz, told apart by their cadence) and the
// DTMF key tones (one low and one high frequency per key).
#include <utility>

#include "sound/effects/tools/signal.h"

inline constexpr double kLineToneHz = 450.0;

struct Cadence {
  double on, off;  // seconds; off = 0 is a steady tone
};
inline constexpr Cadence kDialTone{1.0, 0.0};
inline constexpr Cadence kBusyTone{0.35, 0.35};

// Adds `seconds` of a 450 Hz line tone following `cadence`, starting in its "on" phase.
void addLineTone(Stereo& s, double start, double seconds, Cadence cadence, float gain);

// The (low, high) frequencies of a key of the 4 × 4 keypad "123A456B789C*0#D"; {0, 0} for others.
std::pair<double, double> dtmfPair(char key);
void addKeyTone(Stereo& s, char key, double start, double seconds, float gain);
