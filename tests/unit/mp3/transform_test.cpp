// The fast transforms against their definitions in ISO/IEC 11172-3, and joint stereo.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "sound/mp3/imdct.h"
#include "sound/mp3/stereo.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

double window(int blockType, int i) {
  const double normal = std::sin(kPi / 36 * (i + 0.5));
  switch (blockType) {
    case 1: return i < 18 ? normal : i < 24 ? 1 : i < 30 ? std::sin(kPi / 12 * (i - 18 + 0.5)) : 0;
    case 3: return i < 6 ? 0 : i < 12 ? std::sin(kPi / 12 * (i - 6 + 0.5)) : i < 18 ? 1 : normal;
    default: return normal;
  }
}

// z[0..35] of one subband by the definition: x_i = Σ X_k cos(π/72 (2i + 19)(2k + 1)) windowed, or
// for short blocks three 12-point transforms overlapped at 6, 12 and 18.
std::vector<double> definition(const float* in, int blockType) {
  std::vector<double> z(36, 0.0);
  if (blockType != 2) {
    for (int i = 0; i < 36; ++i) {
      double sum = 0;
      for (int k = 0; k < 18; ++k) sum += in[k] * std::cos(kPi / 72 * (2 * i + 19) * (2 * k + 1));
      z[static_cast<size_t>(i)] = sum * window(blockType, i);
    }
    return z;
  }
  for (int w = 0; w < 3; ++w)
    for (int i = 0; i < 12; ++i) {
      double sum = 0;
      for (int k = 0; k < 6; ++k) sum += in[3 * k + w] * std::cos(kPi / 24 * (2 * i + 7) * (2 * k + 1));
      z[static_cast<size_t>(6 + 6 * w + i)] += sum * std::sin(kPi / 12 * (i + 0.5));
    }
  return z;
}

struct Block {
  int type;
  bool mixed;  // the two lowest subbands are long blocks with the normal window
};

void PrintTo(const Block& b, std::ostream* os) { *os << "type " << b.type << (b.mixed ? " mixed" : ""); }

class Imdct : public testing::TestWithParam<Block> {};

TEST_P(Imdct, MatchesTheDefinitionWithOverlapAndFrequencyInversion) {
  const Block block = GetParam();
  std::mt19937 random(static_cast<unsigned>(block.type * 2 + block.mixed));
  std::uniform_real_distribution<float> value(-1, 1);
  float xr[576], overlap[576], out[576];
  for (float& v : xr) v = value(random);
  for (float& v : overlap) v = value(random);
  const std::vector<float> previous(overlap, overlap + 576);
  mp3::inverseMdct(xr, block.type, block.mixed, 32, overlap, out);
  for (int sb = 0; sb < 32; ++sb) {
    const auto z = definition(xr + 18 * sb, block.mixed && sb < 2 ? 0 : block.type);
    for (int i = 0; i < 18; ++i) {
      const double sign = (sb & 1) && (i & 1) ? -1 : 1;
      ASSERT_NEAR(out[i * 32 + sb], sign * (z[static_cast<size_t>(i)] + previous[static_cast<size_t>(18 * sb + i)]),
                  2e-5)
          << "subband " << sb << " slot " << i;
      ASSERT_NEAR(overlap[18 * sb + i], z[static_cast<size_t>(18 + i)], 2e-5);
    }
  }
}

// Start and stop blocks can be mixed as well as short ones.
INSTANTIATE_TEST_SUITE_P(BlockTypes, Imdct,
                         testing::Values(Block{0, false}, Block{1, false}, Block{2, false}, Block{3, false},
                                         Block{1, true}, Block{2, true}, Block{3, true}));

TEST(Imdct, SilentSubbandsOnlyReleaseTheirOverlap) {
  float xr[576] = {}, overlap[576], out[576];
  for (int i = 0; i < 576; ++i) overlap[i] = static_cast<float>(i);
  mp3::inverseMdct(xr, 0, false, 0, overlap, out);
  EXPECT_EQ(out[0 * 32 + 3], 54.0f);   // subband 3, slot 0
  EXPECT_EQ(out[1 * 32 + 3], -55.0f);  // odd subband, odd slot: inverted
  EXPECT_EQ(out[1 * 32 + 2], 37.0f);
  for (float v : overlap) ASSERT_EQ(v, 0.0f);
}

// Joint stereo on long blocks at 44.1 kHz: band 0 spans lines 0-3, band 21 lines 418-575.
struct StereoCase {
  const char* what;
  mp3::MpegVersion version;
  int modeExtension;
  int position;  // intensity position in every band of the right channel
  bool intensityScale;
  float left, right;  // expected output for M (or the intensity signal) = 1, S = 0.5
};

void PrintTo(const StereoCase& c, std::ostream* os) { *os << c.what; }

class JointStereo : public testing::TestWithParam<StereoCase> {};

TEST_P(JointStereo, SplitsTheHighBandsAboveTheRightChannel) {
  const StereoCase& c = GetParam();
  mp3::FrameHeader h;
  h.version = c.version;
  h.mode = mp3::ChannelMode::JointStereo;
  h.modeExtension = c.modeExtension;
  mp3::GranuleInfo g;
  mp3::ScaleFactors sf;
  for (int sfb = 0; sfb < 22; ++sfb) {
    sf.longBand[sfb] = static_cast<uint8_t>(c.position);
    sf.longLimit[sfb] = 7;
  }
  sf.intensityScale = c.intensityScale;
  std::vector<float> left(576, 1.0f), right(576, 0.0f);
  for (int i = 0; i < 4; ++i) right[static_cast<size_t>(i)] = 0.5f;  // the right channel ends in band 0
  int nonzero[2] = {576, 4};
  mp3::processJointStereo(h, g, sf, mp3::bandTable(h.version == mp3::MpegVersion::Mpeg1 ? 0 : 3), left.data(),
                          right.data(), nonzero);
  const float ms = (c.modeExtension & 2) ? 0.70710678f : 1.0f;
  EXPECT_NEAR(left[0], (1.0f + ((c.modeExtension & 2) ? 0.5f : 0.0f)) * ms, 1e-6);  // band 0: no intensity
  EXPECT_NEAR(left[500], c.left, 1e-6);  // the last band takes band 20's position
  EXPECT_NEAR(right[500], c.right, 1e-6);
  EXPECT_NEAR(left[100], c.left, 1e-6);
  EXPECT_NEAR(right[100], c.right, 1e-6);
}

const float kTan2 = static_cast<float>(std::tan(2 * kPi / 12));
INSTANTIATE_TEST_SUITE_P(
    Cases, JointStereo,
    testing::Values(
        StereoCase{"MPEG-1 position 0: all right", mp3::MpegVersion::Mpeg1, 1, 0, false, 0.0f, 1.0f},
        StereoCase{"MPEG-1 position 3: centre", mp3::MpegVersion::Mpeg1, 1, 3, false, 0.5f, 0.5f},
        StereoCase{"MPEG-1 position 6: all left", mp3::MpegVersion::Mpeg1, 1, 6, false, 1.0f, 0.0f},
        StereoCase{"MPEG-1 position 2", mp3::MpegVersion::Mpeg1, 1, 2, false, kTan2 / (1 + kTan2), 1 / (1 + kTan2)},
        StereoCase{"MPEG-1 position 7 is mid/side", mp3::MpegVersion::Mpeg1, 3, 7, false, 0.70710678f, 0.70710678f},
        StereoCase{"MPEG-1 position 7 without mid/side", mp3::MpegVersion::Mpeg1, 1, 7, false, 1.0f, 0.0f},
        StereoCase{"MPEG-2 position 0: both", mp3::MpegVersion::Mpeg2, 1, 0, false, 1.0f, 1.0f},
        StereoCase{"MPEG-2 odd position scales the left", mp3::MpegVersion::Mpeg2, 1, 3, false, 0.70710678f, 1.0f},
        StereoCase{"MPEG-2 even position scales the right", mp3::MpegVersion::Mpeg2, 1, 4, true, 1.0f, 0.5f},
        StereoCase{"MPEG-2 position at the limit is not intensity", mp3::MpegVersion::Mpeg2, 3, 7, false, 0.70710678f,
                   0.70710678f}));

}  // namespace

// Where intensity stereo starts and which position the top band takes, on a granule whose left
// channel is 1 everywhere and whose right channel sounds in one band of one window.
struct BoundCase {
  const char* what;
  mp3::MpegVersion version;
  int blockType;
  bool mixed;
  int soundingBand, soundingWindow;  // the right channel's only non-zero band
  int probeBand, probeWindow;        // where the outcome is read
  float left, right;
};

void PrintTo(const BoundCase& c, std::ostream* os) { *os << c.what; }

class IntensityBound : public testing::TestWithParam<BoundCase> {};

TEST_P(IntensityBound, FollowsTheRightChannelsHighestSoundingBand) {
  const BoundCase& c = GetParam();
  const bool lsf = c.version != mp3::MpegVersion::Mpeg1;
  mp3::FrameHeader h;
  h.version = c.version;
  h.mode = mp3::ChannelMode::JointStereo;
  h.modeExtension = 1;
  mp3::GranuleInfo g;
  g.blockType = c.blockType;
  g.mixedBlock = c.mixed;
  // Every coded position is MPEG-1's "all right" (0) or MPEG-2's "right at half" (4, step 2^-1/2):
  // neither is the neutral split, nor what an untouched band holds (left 1, right 0).
  mp3::ScaleFactors sf;
  const auto position = static_cast<uint8_t>(lsf ? 4 : 0);
  sf.intensityScale = true;
  for (int sfb = 0; sfb < 22; ++sfb) sf.longBand[sfb] = position, sf.longLimit[sfb] = 7;
  for (int sfb = 0; sfb < 13; ++sfb)
    for (int w = 0; w < 3; ++w) sf.shortBand[sfb][w] = position, sf.shortLimit[sfb] = 7;

  const mp3::BandTable& bands = mp3::bandTable(lsf ? 3 : 0);
  const auto lineOf = [&](int sfb, int w) {
    if (c.blockType != 2 || (c.mixed && sfb < 8 && w < 0)) return static_cast<int>(bands.longStart[sfb]);
    return bands.shortStart[sfb] * 3 + w * (bands.shortStart[sfb + 1] - bands.shortStart[sfb]);
  };
  std::vector<float> left(576, 1.0f), right(576, 0.0f);
  right[static_cast<size_t>(lineOf(c.soundingBand, c.soundingWindow))] = 0.25f;
  int nonzero[2] = {576, 576};
  mp3::processJointStereo(h, g, sf, bands, left.data(), right.data(), nonzero);
  const auto probe = static_cast<size_t>(lineOf(c.probeBand, c.probeWindow) + 1);
  EXPECT_NEAR(left[probe], c.left, 1e-6);
  EXPECT_NEAR(right[probe], c.right, 1e-6);
}

using mp3::MpegVersion;
// Long blocks: the top band (21) has no position of its own.
INSTANTIATE_TEST_SUITE_P(LongBlocks, IntensityBound,
                         testing::Values(BoundCase{"MPEG-1 top band takes band 20's position", MpegVersion::Mpeg1, 0,
                                                   false, 0, -1, 21, -1, 0, 1},
                                         BoundCase{"MPEG-1 top band alone above the bound is neutral",
                                                   MpegVersion::Mpeg1, 0, false, 20, -1, 21, -1, 0.5f, 0.5f},
                                         BoundCase{"MPEG-1 band 20 holding the signal is no intensity",
                                                   MpegVersion::Mpeg1, 0, false, 20, -1, 20, -1, 1, 0},
                                         BoundCase{"MPEG-2 top band takes band 20's position", MpegVersion::Mpeg2, 0,
                                                   false, 0, -1, 21, -1, 1, 0.5f},
                                         BoundCase{"MPEG-2 top band alone above the bound is neutral",
                                                   MpegVersion::Mpeg2, 0, false, 20, -1, 21, -1, 1, 1}));

// Short blocks find the bound window by window (top band 12); a mixed block takes the highest.
INSTANTIATE_TEST_SUITE_P(
    ShortBlocks, IntensityBound,
    testing::Values(
        BoundCase{"short: a silent window is intensity from band 0", MpegVersion::Mpeg1, 2, false, 11, 1, 0, 0, 0, 1},
        BoundCase{"short: top band takes band 11's position", MpegVersion::Mpeg1, 2, false, 11, 1, 12, 0, 0, 1},
        BoundCase{"short: top band alone above the bound is neutral", MpegVersion::Mpeg2, 2, false, 11, 1, 12, 1, 1, 1},
        BoundCase{"mixed: a silent window starts above the highest", MpegVersion::Mpeg1, 2, true, 6, 0, 5, 1, 1, 0},
        BoundCase{"mixed: above the highest band is intensity", MpegVersion::Mpeg1, 2, true, 6, 0, 7, 2, 0, 1},
        BoundCase{"mixed: sound in a window keeps the long part", MpegVersion::Mpeg1, 2, true, 6, 0, 1, -1, 1, 0},
        BoundCase{"mixed: silent short part lets the long part in", MpegVersion::Mpeg1, 2, true, 0, -1, 4, -1, 0, 1}));
