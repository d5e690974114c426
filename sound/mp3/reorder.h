#pragma once

#include "sound/mp3/band_tables.h"

namespace mp3 {

// Short blocks arrive band by band, each band window by window. The IMDCT wants each subband's 18
// lines as 6 frequencies × 3 windows: line 3·f + w. The long part of a mixed block stays in
// place. `scratch` holds 576 floats.
void reorderShortBlocks(const BandTable& bands, bool mixed, float* xr, float* scratch);

}  // namespace mp3
