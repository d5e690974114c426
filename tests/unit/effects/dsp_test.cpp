// Filters, oscillators, mixing and rate changes the effects are built from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sound/effects/tools/dsp.h"
#include "tests/unit/effects/goertzel.h"

namespace {

std::vector<float> sine(int rate, double hz, std::size_t n) {
  std::vector<float> x(n);
  for (std::size_t i = 0; i < n; ++i) x[i] = float(std::sin(2 * M_PI * hz * double(i) / rate));
  return x;
}

double rms(const std::vector<float>& x, std::size_t from) {
  double e = 0;
  for (std::size_t i = from; i < x.size(); ++i) e += double(x[i]) * x[i];
  return std::sqrt(e / double(x.size() - from));
}

// Frequency from the number of upward zero crossings over one second.
double countedHz(const std::vector<float>& x) {
  int crossings = 0;
  for (std::size_t i = 1; i < x.size(); ++i) crossings += x[i - 1] < 0 && x[i] >= 0;
  return crossings;
}

TEST(Dsp, OscillatorsRunAtTheirFrequency) {
  const int rate = 11025;
  for (double hz : {55.0, 440.0, 1234.0}) {
    Oscillator s(rate), w(rate), q(rate), t(rate);
    std::vector<float> sines(rate), saws(rate), squares(rate), triangles(rate);
    for (int i = 0; i < rate; ++i) {
      sines[i] = s.sine(hz);
      saws[i] = -w.saw(hz);  // its fall is the sharp edge: count that as the crossing
      squares[i] = q.square(hz);
      triangles[i] = t.triangle(hz);
    }
    for (const auto* x : {&sines, &saws, &squares, &triangles}) EXPECT_NEAR(countedHz(*x), hz, 1.5) << hz;
  }
}

TEST(Dsp, FiltersPassAndStopWhereTheyShould) {
  const int rate = 22050;
  struct Case {
    const char* name;
    Biquad filter;
    double passHz, stopHz;
  };
  Case cases[] = {{"low-pass 1 kHz", Biquad::lowPass(rate, 1000), 200, 6000},
                  {"high-pass 1 kHz", Biquad::highPass(rate, 1000), 6000, 150},
                  {"band-pass 2 kHz", Biquad::bandPass(rate, 2000, 4), 2000, 500}};
  for (Case& c : cases) {
    Biquad pass = c.filter, stop = c.filter;
    auto passed = sine(rate, c.passHz, rate), stopped = sine(rate, c.stopHz, rate);
    pass.process(passed);
    stop.process(stopped);
    EXPECT_NEAR(rms(passed, 2000), M_SQRT1_2, 0.1) << c.name;
    EXPECT_LT(rms(stopped, 2000), 0.1) << c.name;
  }
}

TEST(Dsp, PanningKeepsPowerAndFadesEndAtZero) {
  const std::vector<float> one(100, 1.0f);
  for (float pan : {-1.0f, -0.3f, 0.0f, 0.6f, 1.0f}) {
    Stereo s(8000, 100);
    mixIn(s, one, 0.0, 1.0f, pan);
    EXPECT_NEAR(s.left[50] * s.left[50] + s.right[50] * s.right[50], 2.0, 1e-5) << pan;
    if (pan == -1.0f) { EXPECT_NEAR(s.right[50], 0.0f, 1e-6); }
    if (pan == 0.0f) { EXPECT_NEAR(s.left[50], s.right[50], 1e-6); }
    fadeEdges(s, 0.002, 0.002);
    EXPECT_EQ(s.left.front(), 0.0f);
    EXPECT_NEAR(s.left.back(), 0.0f, std::fabs(s.left[50]) / 16);
  }
}

TEST(Dsp, NormalisingSetsThePeakAndLeavesSilenceAlone) {
  Stereo s(8000, 3);
  s.left = {0.1f, -0.4f, 0.2f};
  s.right = {0.0f, 0.3f, 0.0f};
  normalisePeak(s, 0.5);
  EXPECT_FLOAT_EQ(s.left[1], -0.5f);
  EXPECT_FLOAT_EQ(s.right[1], 0.375f);
  Stereo quiet(8000, 3);
  normalisePeak(quiet, 0.5);
  EXPECT_EQ(quiet.left, std::vector<float>(3, 0.0f));
}

TEST(Dsp, RoomsRingOnAndDieAway) {
  Stereo s(11025, 11025 * 4);
  s.left[0] = s.right[0] = 1.0f;
  reverb(s, 1.0, 0.5);
  // The largest room: a tail of several seconds that falls by more than 40 dB within four.
  const double early = rms(std::vector<float>(s.left.begin() + 2000, s.left.begin() + 6000), 0);
  const double late = rms(std::vector<float>(s.left.end() - 4000, s.left.end()), 0);
  EXPECT_GT(early, 1e-3) << "a tail";
  EXPECT_LT(late, early / 100) << "that dies away";

  Stereo e(8000, 8000);
  e.left[0] = 1.0f;
  echo(e, 0.25, 0.5, 0.8);
  EXPECT_FLOAT_EQ(e.left[2000], 0.8f);
  EXPECT_FLOAT_EQ(e.left[4000], 0.4f);
  EXPECT_EQ(e.left[1999], 0.0f);
}

TEST(Dsp, ResamplingKeepsPitchAndLengthWithoutMirrorImages) {
  const std::vector<float> tone = sine(22050, 1000, 22050);
  const auto down = resample(tone, 22050, 11025);
  ASSERT_EQ(down.size(), 11025u);
  EXPECT_GT(toneShare(down, 1000, 4000, 1000, 11025), 0.4);
  const auto up = resample(tone, 22050, 48000);
  ASSERT_EQ(up.size(), 48000u);
  EXPECT_GT(toneShare(up, 2000, 8000, 1000, 48000), 0.4);
  // Linear interpolation mirrors 1 kHz around 22.05 kHz; none of it may be left.
  EXPECT_LT(toneShare(up, 2000, 8000, 21050, 48000), 1e-5);
  EXPECT_LT(toneShare(up, 2000, 8000, 23050, 48000), 1e-5);
}

}  // namespace
