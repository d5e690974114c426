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

// The intensity position of a band, or -1 when its value marks it as not intensity-coded. The
// highest band has no scale factor of its own and takes the one below.
int position(bool lsf, int value, int limit) {
  if (lsf) return value == limit ? -1 : value;
  return value >= 7 ? -1 : value;
}

}  // namespace

void processJointStereo(const FrameHeader& header, const GranuleInfo& g, const ScaleFactors& sf,
                        const BandTable& bands, float* left, float* right, int nonzero[2]) {
  const bool intensity = (header.modeExtension & 1) != 0;
  const bool lsf = header.lsf();
  JointStereo stereo(header, left, right);
  const int used = std::max(nonzero[0], nonzero[1]);

  if (!g.shortBlocks() || g.mixedBlock) {
    const int longEnd = g.shortBlocks() ? kMixedLongLines : 576;
    // Intensity starts above the right channel's last non-zero line (in the long part, and only if
    // the short part of a mixed block is silent in the right channel).
    const bool shortPartSilent = !g.shortBlocks() || allZero(right, kMixedLongLines, 576);
    int last = std::min(nonzero[1], longEnd);
    while (last > 0 && right[last - 1] == 0.0f) --last;
    for (int sfb = 0; sfb < 22 && bands.longStart[sfb] < longEnd; ++sfb) {
      const int start = bands.longStart[sfb], end = std::min<int>(bands.longStart[sfb + 1], longEnd);
      const int coded = std::min(sfb, 20);
      int pos = -1;
      if (intensity && shortPartSilent && start >= last)
        pos = position(lsf, sf.longBand[coded], sf.longLimit[coded]);
      if (pos < 0 && start >= used) continue;
      stereo.band({start, end, pos}, sf.intensityScale);
    }
    if (!g.shortBlocks()) {
      nonzero[0] = nonzero[1] = intensity ? 576 : used;
      return;
    }
  }

  const int firstShort = g.mixedBlock ? 3 : 0;
  for (int w = 0; w < 3; ++w) {
    // The right channel's highest non-zero short band in this window.
    int lastBand = firstShort - 1;
    for (int sfb = 12; sfb >= firstShort; --sfb) {
      const int width = bands.shortStart[sfb + 1] - bands.shortStart[sfb];
      const int start = bands.shortStart[sfb] * 3 + w * width;
      if (!allZero(right, start, start + width)) {
        lastBand = sfb;
        break;
      }
    }
    for (int sfb = firstShort; sfb < 13; ++sfb) {
      const int width = bands.shortStart[sfb + 1] - bands.shortStart[sfb];
      const int start = bands.shortStart[sfb] * 3 + w * width;
      const int coded = std::min(sfb, 11);
      int pos = -1;
      if (intensity && sfb > lastBand) pos = position(lsf, sf.shortBand[coded][w], sf.shortLimit[coded]);
      if (pos < 0 && start >= used) continue;
      stereo.band({start, start + width, pos}, sf.intensityScale);
    }
  }
  nonzero[0] = nonzero[1] = intensity ? 576 : used;
}

}  // namespace mp3
