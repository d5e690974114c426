#pragma once

#include <cstdint>

namespace mp3 {

// The polyphase synthesis filterbank of one channel: its 1024-sample V vector, held twice over so
// the window reads it without wrapping, and where the newest 64 samples start (0..1023).
struct SynthesisState {
  float v[2048];
  int offset;
};

// Turns one time slot of 32 subband samples into 32 PCM samples, written `stride` apart: floats at
// full scale ±1, or 16-bit values rounded to nearest and clipped.
template <typename Sample>
void synthesize(SynthesisState& state, const float* subbands, Sample* pcm, int stride);

extern template void synthesize<float>(SynthesisState&, const float*, float*, int);
extern template void synthesize<int16_t>(SynthesisState&, const float*, int16_t*, int);

}  // namespace mp3
