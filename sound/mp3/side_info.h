#pragma once

#include "sound/mp3/bit_reader.h"
#include "sound/mp3/frame_header.h"

namespace mp3 {

// One granule of one channel, as the side information describes it.
struct GranuleInfo {
  int part23Length = 0;  // bits of scale factors and Huffman data
  int bigValues = 0;     // pairs in the big-values region
  int globalGain = 0;
  int scalefacCompress = 0;
  int blockType = 0;  // 0 normal, 1 start, 2 short, 3 stop
  bool mixedBlock = false;
  int tableSelect[3] = {};
  int subblockGain[3] = {};
  int region0Count = 0;
  int region1Count = 0;
  bool preflag = false;
  bool scalefacScale = false;
  bool count1TableB = false;

  bool shortBlocks() const { return blockType == 2; }
};

struct SideInfo {
  int mainDataBegin = 0;
  bool scfsi[2][4] = {};      // MPEG-1: granule 1 reuses granule 0's scale factor group
  GranuleInfo granule[2][2];  // [granule][channel]
};

// Reads the side information that follows the header (and CRC). False when a field is out of range.
bool readSideInfo(BitReader& bits, const FrameHeader& header, SideInfo& side);

}  // namespace mp3
