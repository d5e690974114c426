#pragma once

namespace mp3 {

// The polyphase synthesis filterbank of one channel: its 1024-sample V vector and where the
// newest 64 samples start.
struct SynthesisState {
  float v[1024];
  int offset;
};

// Turns one time slot of 32 subband samples into 32 PCM samples (full scale ±1).
void synthesize(SynthesisState& state, const float* subbands, float* pcm);

}  // namespace mp3
