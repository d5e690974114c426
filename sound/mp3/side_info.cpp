#include "sound/mp3/side_info.h"

namespace mp3 {

namespace {

bool readGranule(BitReader& bits, bool lsf, GranuleInfo& g) {
  g.part23Length = static_cast<int>(bits.read(12));
  g.bigValues = static_cast<int>(bits.read(9));
  if (g.bigValues > 288) return false;
  g.globalGain = static_cast<int>(bits.read(8));
  g.scalefacCompress = static_cast<int>(bits.read(lsf ? 9 : 4));
  if (bits.readBit()) {  // window switching
    g.blockType = static_cast<int>(bits.read(2));
    if (g.blockType == 0) return false;
    g.mixedBlock = bits.readBit();
    for (int r = 0; r < 2; ++r) g.tableSelect[r] = static_cast<int>(bits.read(5));
    g.tableSelect[2] = 0;
    for (int w = 0; w < 3; ++w) g.subblockGain[w] = static_cast<int>(bits.read(3));
    // Region 0 ends after 8 long bands, or after 3 short bands (9 of them counting windows).
    g.region0Count = g.blockType == 2 && !g.mixedBlock ? 8 : 7;
    g.region1Count = 20 - g.region0Count;  // the rest: there is no region 2
  } else {
    g.blockType = 0;
    g.mixedBlock = false;
    for (int r = 0; r < 3; ++r) g.tableSelect[r] = static_cast<int>(bits.read(5));
    for (int w = 0; w < 3; ++w) g.subblockGain[w] = 0;
    g.region0Count = static_cast<int>(bits.read(4));
    g.region1Count = static_cast<int>(bits.read(3));
  }
  g.preflag = lsf ? false : bits.readBit();
  g.scalefacScale = bits.readBit();
  g.count1TableB = bits.readBit();
  return true;
}

}  // namespace

bool readSideInfo(BitReader& bits, const FrameHeader& header, SideInfo& side) {
  const int channels = header.channels();
  const bool lsf = header.lsf();
  if (lsf) {
    side.mainDataBegin = static_cast<int>(bits.read(8));
    bits.skip(channels == 1 ? 1 : 2);
  } else {
    side.mainDataBegin = static_cast<int>(bits.read(9));
    bits.skip(channels == 1 ? 5 : 3);
    for (int ch = 0; ch < channels; ++ch)
      for (int band = 0; band < 4; ++band) side.scfsi[ch][band] = bits.readBit();
  }
  for (int gr = 0; gr < header.granules(); ++gr)
    for (int ch = 0; ch < channels; ++ch)
      if (!readGranule(bits, lsf, side.granule[gr][ch])) return false;
  return true;
}

}  // namespace mp3
