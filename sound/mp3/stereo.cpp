#include "sound/mp3/stereo.h"

#include <algorithm>
#include <cmath>

namespace mp3 {

namespace {

constexpr float kInvSqrt2 = 0.70710678118654752f;

struct Ratio {
  float left;
  float right;
};

// MPEG-1: is_pos 0..6 splits the signal as tan(is_pos·π/12) : 1.
Ratio mpeg1Ratio(int position) {
  const double angle = position * 3.14159265358979323846 / 12.0;
  const double s = std::sin(angle), c = std::cos(angle);
  return {static_cast<float>(s / (s + c)), static_cast<float>(c / (s + c))};
}

// MPEG-2: one channel keeps the signal, the other is scaled by io^((is_pos+1)/2) or io^(is_pos/2).
Ratio lsfRatio(int position, bool intensityScale) {
  const double io = intensityScale ? 0.70710678118654752 : 0.84089641525371454;
  if (position == 0) return {1.0f, 1.0f};
  if (position & 1) return {static_cast<float>(std::pow(io, (position + 1) / 2)), 1.0f};
  return {1.0f, static_cast<float>(std::pow(io, position / 2))};
}

struct Band {
  int start, end;  // lines in bitstream order
  int position;    // intensity position, or -1 when the band is not intensity-coded
};

class JointStereo {
 public:
  JointStereo(const FrameHeader& h, float* l, float* r)
      : ms_((h.modeExtension & 2) != 0), lsf_(h.lsf()), left_(l), right_(r) {}

  void band(const Band& b, bool intensityScale) {
    if (b.position >= 0) {
      const Ratio k = lsf_ ? lsfRatio(b.position, intensityScale) : mpeg1Ratio(b.position);
      for (int i = b.start; i < b.end; ++i) {
        const float v = left_[i];
        left_[i] = v * k.left;
        right_[i] = v * k.right;
      }
    } else if (ms_) {
      for (int i = b.start; i < b.end; ++i) {
        const float m = left_[i], s = right_[i];
        left_[i] = (m + s) * kInvSqrt2;
        right_[i] = (m - s) * kInvSqrt2;
      }
    }
  }

 private:
  bool ms_;
  bool lsf_;
  float* left_;
  float* right_;
};

bool allZero(const float* x, int start, int end) {
  for (int i = start; i < end; ++i)
    if (x[i] != 0.0f) return false;
  return true;
}

// The intensity position a coded value stands for, or -1 when the value marks the band as not
// intensity-coded (MPEG-1: 7 and above; MPEG-2: the largest value its scale factor length holds).
int codedPosition(bool lsf, int value, int limit) {
  if (lsf) return value == limit ? -1 : value;
  return value >= 7 ? -1 : value;
}

// Splits the signal equally: MPEG-1 ratio 1, MPEG-2 both channels unscaled.
int neutralPosition(bool lsf) { return lsf ? 0 : 3; }

// The band order of one window: long bands are all of window 0, short bands of window `window`.
struct BandLayout {
  const BandTable& bands;
  bool shortBands;
  int window;

  int count() const { return shortBands ? 13 : 22; }
  int start(int sfb) const {
    if (!shortBands) return bands.longStart[sfb];
    return bands.shortStart[sfb] * 3 + window * (bands.shortStart[sfb + 1] - bands.shortStart[sfb]);
  }
  int end(int sfb) const {
    if (!shortBands) return bands.longStart[sfb + 1];
    return start(sfb) + bands.shortStart[sfb + 1] - bands.shortStart[sfb];
  }
};

// The right channel's highest band with a non-zero line among bands [first, layout.count()), or
// first - 1.
int highestSounding(const BandLayout& layout, int first, const float* right) {
  for (int sfb = layout.count() - 1; sfb >= first; --sfb)
    if (!allZero(right, layout.start(sfb), layout.end(sfb))) return sfb;
  return first - 1;
}

}  // namespace

void processJointStereo(const FrameHeader& header, const GranuleInfo& g, const ScaleFactors& sf, const BandTable& bands,
                        float* left, float* right, int nonzero[2]) {
  const bool intensity = (header.modeExtension & 1) != 0;
  const bool lsf = header.lsf();
  JointStereo stereo(header, left, right);
  const int used = std::max(nonzero[0], nonzero[1]);

  // Intensity stereo covers the bands above the right channel's highest sounding band. Short
  // blocks find that band window by window; a mixed block takes the highest over its windows, and
  // its long bands only count when every window is silent in the right channel.
  const bool mixed = g.shortBlocks() && g.mixedBlock;
  const int firstShort = mixed ? 3 : 0;
  int shortBound[3] = {firstShort - 1, firstShort - 1, firstShort - 1};
  if (intensity && g.shortBlocks())
    for (int w = 0; w < 3; ++w) shortBound[w] = highestSounding({bands, true, w}, firstShort, right);
  if (mixed) shortBound[0] = shortBound[1] = shortBound[2] = *std::max_element(shortBound, shortBound + 3);

  // Walks the bands of one window from `first` while they lie below `limit` (lines), each taking
  // intensity stereo above `bound`. The top band has no position of its own: it takes the band
  // below's when that band is intensity-coded too, otherwise the neutral one.
  const auto walk = [&](const BandLayout& layout, int first, int limit, int bound, auto value, auto valueLimit) {
    const int top = layout.count() - 1;
    for (int sfb = first; sfb <= top && layout.start(sfb) < limit; ++sfb) {
      const int start = layout.start(sfb), end = std::min(layout.end(sfb), limit);
      int pos = -1;
      if (intensity && sfb > bound) {
        if (sfb < top)
          pos = codedPosition(lsf, value(sfb), valueLimit(sfb));
        else if (sfb - 1 > bound)
          pos = codedPosition(lsf, value(sfb - 1), valueLimit(sfb - 1));
        else
          pos = neutralPosition(lsf);
      }
      if (pos < 0 && start >= used) continue;
      stereo.band({start, end, pos}, sf.intensityScale);
    }
  };

  if (!g.shortBlocks() || mixed) {
    const BandLayout layout{bands, false, 0};
    const int limit = g.shortBlocks() ? kMixedLongLines : 576;
    const bool shortPartSilent = !g.shortBlocks() || shortBound[0] < firstShort;
    const int bound = !intensity ? 21 : shortPartSilent ? highestSounding(layout, 0, right) : 21;
    walk(
        layout, 0, limit, bound, [&](int sfb) { return sf.longBand[sfb]; }, [&](int sfb) { return sf.longLimit[sfb]; });
  }
  if (g.shortBlocks())
    for (int w = 0; w < 3; ++w)
      walk(
          {bands, true, w}, firstShort, 576, shortBound[w], [&](int sfb) { return sf.shortBand[sfb][w]; },
          [&](int sfb) { return sf.shortLimit[sfb]; });
  nonzero[0] = nonzero[1] = intensity ? 576 : used;
}

}  // namespace mp3
