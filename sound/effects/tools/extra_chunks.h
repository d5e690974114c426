#pragma once
// The chunks some images carry besides their format and samples: markers and a broadcast
// description from a sound editor, an ID3 tag, sample counts, a software name.
#include <cstdint>
#include <vector>

#include "sound/effects/tools/wav_image.h"

// fact: the number of sample frames.
RiffChunk factChunk(std::uint32_t frames);
// smpl, cue, LIST adtl, LIST INFO, muma, chrp and bext: 1,152 bytes with their headers.
std::vector<RiffChunk> lampMarkerChunks(std::uint32_t frames);
// "ID3x" holding an ID3v2.3 tag padded to 4,242 bytes.
RiffChunk id3Chunk();
// LIST INFO with a 12-byte ISFT (software) entry: 32 bytes with its header.
RiffChunk softwareInfoList();
