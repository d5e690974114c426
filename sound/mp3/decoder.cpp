#include "sound/mp3/decoder.h"

#include <algorithm>
#include <cstring>

#include "sound/mp3/antialias.h"
#include "sound/mp3/band_tables.h"
#include "sound/mp3/huffman.h"
#include "sound/mp3/imdct.h"
#include "sound/mp3/reorder.h"
#include "sound/mp3/requantize.h"
#include "sound/mp3/side_info.h"
#include "sound/mp3/stereo.h"

namespace mp3 {

void Decoder::reset() {
  lock_ = SyncLock{};
  std::memset(overlap_, 0, sizeof overlap_);
  for (SynthesisState& s : synthesis_) {
    std::memset(s.v, 0, sizeof s.v);
    s.offset = 0;
  }
  for (ScaleFactors& sf : scaleFactors_) sf = ScaleFactors{};
  reservoirFill_ = 0;
}

DecodeResult Decoder::decode(const uint8_t* data, size_t size, bool endOfInput, int16_t* pcm) {
  return decodeAny(data, size, endOfInput, pcm);
}

DecodeResult Decoder::decode(const uint8_t* data, size_t size, bool endOfInput, float* pcm) {
  return decodeAny(data, size, endOfInput, pcm);
}

template <typename Sample>
DecodeResult Decoder::decodeAny(const uint8_t* data, size_t size, bool endOfInput, Sample* pcm) {
  DecodeResult result;
  FrameLocation frame;
  switch (findFrame(data, size, endOfInput, lock_, frame)) {
    case SyncResult::None:
      result.status = DecodeStatus::EndOfStream;
      result.consumed = size;
      return result;
    case SyncResult::NeedMore:
      result.status = DecodeStatus::NeedMoreData;
      result.consumed = frame.offset;
      return result;
    case SyncResult::Found: break;
  }
  const FrameHeader& h = frame.header;
  const uint8_t* bytes = data + frame.offset;
  result.status = DecodeStatus::Frame;
  result.consumed = frame.offset + static_cast<size_t>(frame.length);
  result.samples = h.samplesPerFrame();
  result.header = h;

  BitReader sideBits(bytes + 4 + (h.hasCrc ? 2 : 0), static_cast<size_t>(h.sideInfoBytes()));
  SideInfo side;
  size_t begin = 0;
  const bool sideOk = readSideInfo(sideBits, h, side);
  if (fillReservoir(bytes, frame.length, h, sideOk ? side.mainDataBegin : -1, begin) && sideOk)
    decodeGranules(h, side, begin, pcm);
  else
    std::fill(pcm, pcm + result.samples * h.channels(), Sample{});
  return result;
}

bool Decoder::fillReservoir(const uint8_t* frame, int length, const FrameHeader& h, int mainDataBegin, size_t& begin) {
  if (reservoirFill_ > 511) {
    std::memmove(reservoir_, reservoir_ + reservoirFill_ - 511, 511);
    reservoirFill_ = 511;
  }
  const int mainBytes = length - h.prefixBytes();
  const bool enough = mainDataBegin >= 0 && mainDataBegin <= reservoirFill_;
  begin = enough ? static_cast<size_t>(reservoirFill_ - mainDataBegin) : 0;
  std::memcpy(reservoir_ + reservoirFill_, frame + h.prefixBytes(), static_cast<size_t>(mainBytes));
  reservoirFill_ += mainBytes;
  return enough;
}

template <typename Sample>
void Decoder::decodeGranules(const FrameHeader& h, const SideInfo& side, size_t begin, Sample* pcm) {
  const BandTable& bands = bandTable(h.rateTableIndex());
  const int channels = h.channels();
  const bool jointStereo = h.mode == ChannelMode::JointStereo && h.modeExtension != 0;
  BitReader bits(reservoir_ + begin, static_cast<size_t>(reservoirFill_) - begin);
  GainRun runs[kMaxGainRuns];

  for (int gr = 0; gr < h.granules(); ++gr) {
    int nonzero[2] = {0, 0};
    for (int ch = 0; ch < channels; ++ch) {
      GranuleInfo g = side.granule[gr][ch];
      const size_t part2Start = bits.position();
      if (h.lsf())
        readScaleFactorsLsf(bits, g, ch == 1 && jointStereo && (h.modeExtension & 1), scaleFactors_[ch]);
      else
        readScaleFactorsMpeg1(bits, g, side.scfsi[ch], gr, scaleFactors_[ch]);
      buildGainRuns(g, scaleFactors_[ch], bands, runs);
      const size_t part3End = part2Start + static_cast<size_t>(g.part23Length);
      nonzero[ch] = decodeSpectrum(bits, part3End, g, bands, runs, xr_[ch]);
      bits.seek(part3End);
    }
    if (jointStereo && channels == 2)
      processJointStereo(h, side.granule[gr][1], scaleFactors_[1], bands, xr_[0], xr_[1], nonzero);

    for (int ch = 0; ch < channels; ++ch) {
      const GranuleInfo& g = side.granule[gr][ch];
      float* xr = xr_[ch];
      int subbands = (nonzero[ch] + 17) / 18;
      if (g.shortBlocks()) {
        reorderShortBlocks(bands, g.mixedBlock, xr, slots_);
        if (g.mixedBlock) antialias(xr, 2);
        subbands = 32;
      } else {
        subbands = std::min(32, subbands + 1);  // alias reduction reaches into the next subband
        antialias(xr, subbands);
      }
      inverseMdct(xr, g.blockType, g.mixedBlock, subbands, overlap_[ch], slots_);
      Sample* out = pcm + gr * 576 * channels + ch;
      for (int slot = 0; slot < 18; ++slot)
        synthesize(synthesis_[ch], slots_ + 32 * slot, out + slot * 32 * channels, channels);
    }
  }
}

}  // namespace mp3
