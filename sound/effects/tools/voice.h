#pragma once
// A singing/shouting voice: a glottal buzz with breath noise through four formant resonators.
// Laughs, cries, shouts and screams are sequences of syllables with their own pitch contours.
#include <cstddef>
#include <vector>

#include "sound/effects/tools/signal.h"

enum class Vowel { a, o, e, i, u, er };

struct Syllable {
  double start = 0, length = 0.2;  // seconds
  Vowel vowel = Vowel::a;
  double pitchStart = 120, pitchEnd = 120;  // Hz, glided exponentially
  float loudness = 1.0f;
  double breath = 0.08;   // share of aspiration noise in the voiced part
  double aspirate = 0.0;  // seconds of unvoiced "h" before the voice starts
  double vibrato = 0.0;   // depth in semitones at 5.5 Hz
  double rough = 0.0;     // 0…1: pitch jitter and a growl an octave down (screams, groans)
};

// Formants are scaled: 1.0 a man, about 1.17 a woman, 1.3 a child, 1.45 a baby.
struct VoiceShape {
  double formantScale = 1.0;
};

// Renders the syllables into a mono buffer of `frames` samples.
std::vector<float> renderVoice(int rate, std::size_t frames, const std::vector<Syllable>& syllables, VoiceShape shape,
                               Rng& rng);
