#include "sound/effects/tools/score.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/voice.h"

int parseNoteName(std::string_view name) {
  static const int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return -1;
  int semis = kSemitone[name[0] - 'A'];
  std::size_t at = 1;
  if (name[at] == '#')
    semis += 1, ++at;
  else if (name[at] == 'b')
    semis -= 1, ++at;
  if (at + 1 != name.size() || name[at] < '0' || name[at] > '8') return -1;
  return (name[at] - '0' + 1) * 12 + semis;
}

double addTune(std::vector<Note>& notes, std::string_view tune, double startBeat, double secondsPerBeat,
               Voicing voicing) {
  double beat = startBeat;
  std::size_t at = 0;
  while (at < tune.size()) {
    while (at < tune.size() && tune[at] == ' ') ++at;
    if (at >= tune.size()) break;
    const std::size_t end = std::min(tune.find(' ', at), tune.size());
    const std::string_view token = tune.substr(at, end - at);
    at = end;
    const std::size_t colon = token.find(':');
    const double beats = std::stod(std::string(token.substr(colon + 1)));
    std::string_view pitches = token.substr(0, colon);
    while (pitches != "r" && !pitches.empty()) {
      const std::size_t plus = std::min(pitches.find('+'), pitches.size());
      const int midi = parseNoteName(pitches.substr(0, plus));
      if (midi >= 0)
        notes.push_back({beat * secondsPerBeat, beats * secondsPerBeat * voicing.legato, double(midi), voicing.velocity,
                         voicing.instrument, voicing.pan});
      pitches = plus < pitches.size() ? pitches.substr(plus + 1) : std::string_view{};
    }
    beat += beats;
  }
  return beat;
}

namespace {
// Harmonics that fade faster the higher they are: piano, music box and bell colours.
std::vector<float> additive(int rate, const Note& n, double tail,
                            const std::vector<std::pair<double, double>>& partials, double decay) {
  const double hz = noteHz(n.midi);
  std::vector<float> out(std::size_t((n.length + tail) * rate));
  for (const auto& [ratio, amp] : partials) {
    if (hz * ratio > rate * 0.45) continue;
    Oscillator osc(rate);
    for (std::size_t i = 0; i < out.size(); ++i) {
      const double t = double(i) / rate;
      const double release = t > n.length ? std::exp(-(t - n.length) / 0.08) : 1.0;
      out[i] += float(osc.sine(hz * ratio) * amp * attackDecay(t, 0.004, decay / ratio) * release);
    }
  }
  return out;
}

// A sustained tone with attack and release, from a per-sample source.
template <typename Source>
std::vector<float> sustained(int rate, const Note& n, double attack, double release, Source&& source) {
  std::vector<float> out(std::size_t((n.length + release) * rate));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / rate;
    double env = std::min(1.0, t / attack);
    if (t > n.length) env *= std::exp(-(t - n.length) / (release / 4));
    out[i] = float(source(t) * env);
  }
  return out;
}

std::vector<float> pluck(int rate, const Note& n, Rng& rng) {
  const std::size_t period = std::max<std::size_t>(2, std::size_t(rate / noteHz(n.midi)));
  std::vector<float> line(period);
  // Softened noise: a plucked string, not a click.
  float previous = 0.0f;
  for (float& x : line) x = previous = 0.5f * (previous + rng.bipolar());
  std::vector<float> out(std::size_t((n.length + 0.3) * rate));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const std::size_t k = i % period;
    out[i] = line[k];
    line[k] = 0.498f * (line[k] + line[(k + 1) % period]);
    if (double(i) / rate > n.length) out[i] *= float(std::exp(-(double(i) / rate - n.length) / 0.05));
  }
  return out;
}
}  // namespace

std::vector<float> renderNote(const Note& n, int rate, Rng& rng) {
  const double hz = noteHz(n.midi);
  switch (n.instrument) {
    case Instrument::piano:
      return additive(rate, n, 0.4, {{1, 1}, {2, 0.5}, {3, 0.3}, {4, 0.15}, {5, 0.1}, {6, 0.05}}, 1.2);
    case Instrument::musicBox: return additive(rate, n, 1.2, {{1, 1}, {3.0, 0.25}, {5.4, 0.1}}, 0.9);
    case Instrument::bell:
      return additive(rate, n, 2.0, {{1, 1}, {2.0, 0.6}, {2.76, 0.4}, {5.4, 0.25}, {8.9, 0.1}}, 2.5);
    case Instrument::pluck: return pluck(rate, n, rng);
    case Instrument::timpani: {
      Oscillator a(rate), b(rate);
      Biquad f = Biquad::lowPass(rate, 400);
      return sustained(rate, n, 0.002, 0.8, [&](double t) {
        return (a.sine(hz * (1 + 0.1 * std::exp(-t / 0.05))) + 0.4 * b.sine(hz * 1.5) +
                0.6 * f.step(rng.bipolar()) * std::exp(-t / 0.03)) *
               std::exp(-t / 0.5);
      });
    }
    case Instrument::brass: {
      Oscillator a(rate), b(rate), vib(rate);
      Biquad f = Biquad::lowPass(rate, 3000, 1.0);
      Biquad g = Biquad::lowPass(rate, 3000, 1.0);
      return sustained(rate, n, 0.03, 0.12, [&](double t) {
        const double bend = 1.0 + 0.004 * vib.sine(5.0) * std::min(1.0, t / 0.3);
        const double brightness = 0.35 + 0.65 * std::min(1.0, t / 0.06);
        const float x = a.saw(hz * bend) + 0.5f * b.saw(hz * bend * 1.003);
        return g.step(f.step(x)) * brightness;
      });
    }
    case Instrument::strings:
    case Instrument::pad: {
      const bool strings = n.instrument == Instrument::strings;
      Oscillator a(rate, 0.1), b(rate, 0.4), c(rate, 0.7), vib(rate);
      Biquad f = Biquad::lowPass(rate, strings ? 2800 : 1400), g = Biquad::lowPass(rate, strings ? 2800 : 1400);
      return sustained(rate, n, strings ? 0.12 : 0.5, strings ? 0.3 : 0.8, [&](double t) {
        const double v = 1.0 + (strings ? 0.005 : 0.002) * vib.sine(5.5) * std::min(1.0, t / 0.4);
        return g.step(f.step(a.saw(hz * v) + b.saw(hz * v * 1.006) + c.saw(hz * v * 0.994))) * 0.5;
      });
    }
    case Instrument::bass: {
      Oscillator a(rate), b(rate);
      Biquad f = Biquad::lowPass(rate, 700, 1.2);
      return sustained(rate, n, 0.005, 0.08, [&](double t) {
        return f.step(a.saw(hz) * 0.6f + b.sine(hz) * 0.8f) * (0.6 + 0.4 * std::exp(-t / 0.2));
      });
    }
    case Instrument::lead: {
      Oscillator a(rate), vib(rate);
      Biquad f = Biquad::lowPass(rate, 3500);
      return sustained(rate, n, 0.01, 0.1, [&](double t) {
        return f.step(a.square(hz * (1 + 0.006 * vib.sine(6) * std::min(1.0, t / 0.25)), 0.3)) * 0.6;
      });
    }
    case Instrument::choir: {
      // Several "ah" singers slightly apart in pitch: a choir pad.
      std::vector<float> out(std::size_t((n.length + 0.4) * rate), 0.0f);
      for (int singer = 0; singer < 3; ++singer) {
        const double detune = hz * (1.0 + 0.004 * (singer - 1));
        Syllable s{0.0, n.length + 0.3, singer == 2 ? Vowel::o : Vowel::a, detune, detune, 0.35f, 0.15, 0, 0.25, 0};
        const auto one = renderVoice(rate, out.size(), {s}, {hz > 300 ? 1.17 : 1.0}, rng);
        for (std::size_t i = 0; i < out.size(); ++i) out[i] += one[i];
      }
      for (std::size_t i = 0; i < out.size(); ++i) out[i] *= float(std::min(1.0, double(i) / rate / 0.2));
      return out;
    }
  }
  return {};
}

Stereo renderScore(int rate, std::size_t frames, const std::vector<Note>& notes, std::uint64_t seed) {
  Stereo out(rate, frames);
  Rng rng(seed);
  for (const Note& n : notes) {
    if (n.start * rate >= double(frames)) continue;
    mixIn(out, renderNote(n, rate, rng), n.start, n.velocity * 0.3f, n.pan);
  }
  return out;
}

MidiPatch generalMidiPatch(Instrument instrument) {
  switch (instrument) {
    case Instrument::piano: return {0, 0};
    case Instrument::bell: return {0, 9};  // glockenspiel
    case Instrument::musicBox: return {0, 10};
    case Instrument::pluck: return {0, 45};  // pizzicato strings
    case Instrument::brass: return {0, 61};  // brass section
    case Instrument::strings: return {0, 48};
    case Instrument::pad: return {0, 89};    // warm pad
    case Instrument::bass: return {0, 32};   // acoustic bass
    case Instrument::choir: return {0, 52};  // "ah" choir
    case Instrument::lead: return {0, 73};   // flute
    case Instrument::timpani: return {0, 47};
  }
  return {};
}

std::vector<MidiNote> toMidi(const std::vector<Note>& notes) {
  std::vector<MidiNote> out;
  for (const Note& n : notes)
    out.push_back({n.start, n.length, int(std::lround(n.midi)), int(std::lround(n.velocity * 127)),
                   generalMidiPatch(n.instrument), n.pan});
  return out;
}
