// Ghosts and the background beds: gloomy, horror, tense, thrilling and weird.
#include <algorithm>
#include <cmath>
#include <utility>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/drums.h"
#include "sound/effects/tools/recipes.h"
#include "sound/effects/tools/rendered.h"
#include "sound/effects/tools/sources.h"
#include "sound/effects/tools/score.h"
#include "sound/effects/tools/voice.h"

namespace {
// Wind: low noise whose loudness rises and falls slowly.
std::vector<float> wind(const RenderContext& c, Rng& rng, double hz) {
  std::vector<float> w = lowNoise(c.frames, c.rate, hz, rng);
  Oscillator gust(c.rate, rng.uniform());
  for (float& x : w) x *= 2.5f * (0.6f + 0.4f * gust.sine(0.17));
  return w;
}

// A heartbeat "lub-dub" every `period` seconds.
void addHeartbeat(Stereo& s, double from, double period, float gain, Rng& rng) {
  for (double t = from; t < s.seconds() - 0.5; t += period) {
    mixIn(s, drumHit(Drum::kick, s.rate, rng), t, gain);
    mixIn(s, drumHit(Drum::kick, s.rate, rng), t + 0.22, gain * 0.7f);
  }
}
}  // namespace

Stereo ghostVoices(const RenderContext& c) {
  // A haunted hum over the wind, and a far choir slowed to a moan drifting from side to side.
  Stereo s = c.blank();
  Rng rng(c.seed);
  mixIn(s, wind(c, rng, 400), 0.0, 0.3f);
  mixIn(s, loadRecording(c.tools, recording::hauntedHum, c.rate), 0.0, 1.0f);
  // Read at twice our rate and played at ours: half as fast, an octave down.
  const std::vector<float> moan = loadRecording(c.tools, recording::choir, 2 * c.rate).left;
  mixIn(s, moan, 0.6, 0.5f, -0.6f);
  mixIn(s, moan, 3.4, 0.45f, 0.6f);
  reverb(s, 1.0, 0.45);
  echo(s, 0.31, 0.35, 0.25);
  return finished(std::move(s), {0.0, 0.0}, {0.6, 1.0});
}

Stereo ghostWoo(const RenderContext& c) {
  // "Woo-ooo": a wavering, gliding theremin tone with a long echo.
  Stereo s = c.blank();
  std::vector<float> tone(c.frames);
  Oscillator osc(c.rate), vib(c.rate);
  for (std::size_t i = 0; i < c.frames; ++i) {
    const double t = double(i) / c.rate;
    const double hz = breakpoints(t, {{0, 300}, {0.8, 620}, {1.6, 450}, {2.4, 700}, {3.4, 260}, {4.8, 200}});
    const double env = std::min({1.0, t / 0.4, (c.seconds() - t) / 1.0});
    tone[i] = float((osc.sine(hz * (1 + 0.02 * vib.sine(6.5)))) * env);
  }
  mixIn(s, tone, 0.0);
  echo(s, 0.37, 0.45, 0.4);
  return finished(std::move(s), {0.9, 0.4}, {0.0, 0.0});
}

Stereo gloomyBed(const RenderContext& c) {
  // A low D-minor drone, slow heavy piano notes and a cold wind: oppressive and still.
  Rng rng(c.seed);
  Stereo s = playedScore(c);
  mixIn(s, wind(c, rng, 250), 0.0, 0.25f);
  return finished(std::move(s), {0.0, 0.0}, {1.0, 2.0});
}

Stereo horrorBed(const RenderContext& c) {
  // A dark drone, a heartbeat that speeds up, screeching high strings and something rushing past.
  Rng rng(c.seed);
  std::vector<Note> n;
  addTune(n, "r:8 B5:6 C6:6 r:4 F6:4 F#6:8", 0.0, 0.4, {Instrument::strings, 0.5f, 0.5f, 1.0});
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  // The drone read at 1.5 times our rate: a fifth lower and long enough to overlap itself.
  Stereo drone = loadRecording(c.tools, recording::drone, c.rate * 3 / 2);
  drone.rate = c.rate;
  for (double t = 0.0; t < c.seconds(); t += drone.seconds() * 0.8) mixIn(s, drone, t, 1.4f);
  addHeartbeat(s, 1.0, 1.1, 0.8f, rng);
  addHeartbeat(s, 9.5, 0.75, 0.5f, rng);
  mixIn(s, loadRecording(c.tools, recording::darkWoosh, c.rate), 6.0, 1.2f);
  return finished(std::move(s), {0.9, 0.35}, {1.5, 1.5});
}

Stereo weirdBed(const RenderContext& c) {
  // A wandering whole-tone music box with a long echo over a bending drone: nothing sits still.
  Stereo s = c.blank();
  Stereo box = playedScore(c);
  echo(box, 0.29, 0.5, 0.4);
  mixIn(s, box, 0.0);
  std::vector<float> drone(c.frames);
  Oscillator carrier(c.rate), mod(c.rate), bend(c.rate);
  for (std::size_t i = 0; i < c.frames; ++i) {
    const double hz = 110 * (1 + 0.06 * bend.sine(0.3));
    drone[i] = 0.5f * carrier.sine(hz + 140 * mod.sine(hz * 1.41));
  }
  mixIn(s, drone, 0.0, 0.15f);
  return finished(std::move(s), {0.0, 0.0}, {0.8, 1.2});
}
