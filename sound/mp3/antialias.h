#pragma once

namespace mp3 {

// Alias reduction butterflies across each boundary between the first `subbands` subbands of a
// long block (a mixed block passes 2: only subbands 0 and 1 are long).
void antialias(float* xr, int subbands);

}  // namespace mp3
