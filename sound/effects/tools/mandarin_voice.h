#pragma once
// Mandarin spoken by a recorded voice: the gcin voice's syllables (one recording of each syllable
// in each tone), one per character, trimmed and joined with a short overlap, as one speaker would
// say them in a row.
#include <string_view>
#include <vector>

#include "sound/effects/tools/external_tools.h"

// The text as mono samples at `rate`: each character its syllable, each comma a short pause and
// each full stop, exclamation or question mark a longer one. Throws on a character the syllable
// table lacks or whose recording is missing, so a line is never spoken with a gap in it.
std::vector<float> spokenMandarin(const ExternalTools& tools, std::u8string_view text, int rate);
