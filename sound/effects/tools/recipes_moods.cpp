// Ghosts and the background beds: gloomy, horror, tense, thrilling and weird.
#include <algorithm>
#include <cmath>
#include <utility>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/drums.h"
#include "sound/effects/tools/recipes.h"
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
  // Whispering, moaning voices drifting around in a large dark space over the wind.
  Stereo s = c.blank();
  Rng rng(c.seed);
  mixIn(s, wind(c, rng, 400), 0.0, 0.4f);
  for (int ghost = 0; ghost < 4; ++ghost) {
    std::vector<Syllable> v;
    for (double t = rng.between(0.0, 1.0); t < c.seconds() - 1.5; t += rng.between(1.2, 2.2)) {
      const double p = rng.between(140, 320);
      v.push_back({t, rng.between(0.9, 1.6), ghost % 2 ? Vowel::u : Vowel::o, p, p * rng.between(0.6, 1.5), 0.7f,
                   ghost == 3 ? 0.97 : 0.55, 0.1, 1.5, 0.1});
    }
    mixIn(s, renderVoice(c.rate, c.frames, v, {ghost % 2 ? 1.17 : 1.0}, rng), 0.0, 0.7f, float(-0.8 + 0.55 * ghost));
  }
  reverb(s, 1.0, 0.55);
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
  std::vector<Note> n;
  addTune(n, "D2+A2+F3:8 Bb1+F2+D3:8 G1+D2+Bb2:8 A1+E2+C#3:8", 0.0, 0.52, {Instrument::pad, 0.9f, 0.0f, 1.0});
  addTune(n, "D3:4 F3:4 E3:4 D3:4 Bb2:4 A2:4 G2:4 A2:4", 0.0, 0.52, {Instrument::piano, 0.8f, -0.2f, 1.0});
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  mixIn(s, wind(c, rng, 250), 0.0, 0.25f);
  return finished(std::move(s), {0.8, 0.35}, {1.0, 2.0});
}

Stereo horrorBed(const RenderContext& c) {
  // A dissonant low cluster, a heartbeat that speeds up, and screeching high strings.
  Rng rng(c.seed);
  std::vector<Note> n;
  addTune(n, "C2+C#2+F#2:40", 0.0, 0.4, {Instrument::strings, 0.9f, 0.0f, 1.0});
  addTune(n, "r:8 B5:6 C6:6 r:4 F6:4 F#6:8", 0.0, 0.4, {Instrument::strings, 0.5f, 0.5f, 1.0});
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  addHeartbeat(s, 1.0, 1.1, 0.8f, rng);
  addHeartbeat(s, 9.5, 0.75, 0.5f, rng);
  // A creaking door: a slow rasp of clicks.
  std::vector<float> creak(std::size_t(2.0 * c.rate));
  Biquad wood = Biquad::bandPass(c.rate, 900, 3);
  Oscillator rasp(c.rate);
  for (std::size_t i = 0; i < creak.size(); ++i) {
    const double t = double(i) / c.rate;
    creak[i] = wood.step(rasp.square(40 + 30 * t, 0.05)) * float(std::sin(M_PI * t / 2.0)) * 1.5f;
  }
  mixIn(s, creak, 6.0, 0.8f, -0.5f);
  return finished(std::move(s), {0.9, 0.35}, {1.5, 1.5});
}

Stereo tenseBed(const RenderContext& c) {
  // Driving low staccato strings on E and a shrill tremolo above, swelling.
  std::vector<Note> n;
  for (int k = 0; k < 64; ++k)
    n.push_back({k * 0.107, 0.08, k % 8 == 6 ? 41.0 : 40.0, k % 4 == 0 ? 1.0f : 0.7f, Instrument::strings, -0.2f});
  for (int k = 0; k < 120; ++k) n.push_back({k * 0.055, 0.05, k % 2 ? 77.0 : 76.0, 0.3f, Instrument::strings, 0.4f});
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  std::vector<float> swell(c.frames);
  for (std::size_t i = 0; i < c.frames; ++i) swell[i] = float(0.4 + 0.6 * double(i) / double(c.frames));
  applyGain(s, swell);
  return finished(std::move(s), {0.5, 0.2}, {0.2, 0.3});
}

Stereo thrillBed(const RenderContext& c) {
  // A chase: pounding toms, a racing ostinato that climbs step by step, brass stabs.
  Rng rng(c.seed);
  std::vector<Note> n;
  const double beat = 0.375;  // 160 BPM
  const int root[] = {45, 45, 46, 46, 48, 48, 49, 50, 50, 51, 52, 52, 53, 54, 55};
  for (int bar = 0; bar * 4 * beat < c.seconds() - 1.0; ++bar) {
    const int r = root[std::min<std::size_t>(bar, std::size(root) - 1)];
    for (int k = 0; k < 8; ++k)
      n.push_back({(bar * 4 + k * 0.5) * beat, beat * 0.4, double(r + (k % 4 == 3 ? 3 : k % 2 ? 12 : 0)), 0.7f, Instrument::strings, 0.3f});
    if (bar % 2 == 1) n.push_back({(bar * 4 + 3) * beat, beat * 0.9, double(r + 12), 0.8f, Instrument::brass, -0.3f});
  }
  Stereo s = renderScore(c.rate, c.frames, n, c.seed);
  for (double t = 0; t < c.seconds() - 0.6; t += beat) {
    mixIn(s, drumHit(Drum::tomLow, c.rate, rng), t, 0.9f, -0.2f);
    if (std::fmod(t / beat, 4.0) > 1.5) mixIn(s, drumHit(Drum::tomHigh, c.rate, rng), t + beat / 2, 0.6f, 0.2f);
  }
  for (double t = 0; t < c.seconds(); t += 8 * beat) mixIn(s, drumHit(Drum::crash, c.rate, rng), t, 0.6f);
  return finished(std::move(s), {0.5, 0.2}, {0.1, 1.0});
}

Stereo weirdBed(const RenderContext& c) {
  // A wobbling, detuned whole-tone music box over a bending drone: nothing sits still.
  Stereo s = c.blank();
  Rng rng(c.seed);
  std::vector<Note> n;
  const int scale[] = {72, 74, 76, 78, 80, 82, 84};
  for (double t = 0.2; t < c.seconds() - 1.0; t += rng.between(0.25, 0.6))
    n.push_back({t, 0.3, scale[rng.next() % 7] + rng.between(-0.4, 0.4), 0.7f, Instrument::musicBox, float(rng.between(-0.8, 0.8))});
  Stereo box = renderScore(c.rate, c.frames, n, c.seed);
  echo(box, 0.29, 0.5, 0.4);
  mixIn(s, box, 0.0);
  std::vector<float> drone(c.frames);
  Oscillator carrier(c.rate), mod(c.rate), bend(c.rate);
  for (std::size_t i = 0; i < c.frames; ++i) {
    const double hz = 110 * (1 + 0.06 * bend.sine(0.3));
    drone[i] = 0.5f * carrier.sine(hz + 140 * mod.sine(hz * 1.41));
  }
  mixIn(s, drone, 0.0, 0.5f);
  return finished(std::move(s), {0.7, 0.3}, {0.8, 1.2});
}
