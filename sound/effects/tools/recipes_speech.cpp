// Effects with words in them, dressed with a little sound around them: the Mandarin lines in the
// recorded gcin voice, the Cantonese and English ones by espeak-ng.
#include <algorithm>
#include <cmath>
#include <utility>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/mandarin_voice.h"
#include "sound/effects/tools/recipes.h"
#include "sound/effects/tools/score.h"
#include "sound/effects/tools/voice.h"

namespace {
// Speech squeezed (by playing it faster) when it is longer than `seconds`.
std::vector<float> within(std::vector<float> words, const RenderContext& c, double seconds) {
  const std::size_t most = std::size_t(seconds * c.rate);
  if (words.size() > most) words = resample(words, int(words.size()), int(most));
  return words;
}

std::vector<float> spokenWithin(const RenderContext& c, const SpeechRequest& request, double seconds) {
  return within(speak(c.tools, request, c.rate), c, seconds);
}

// A Mandarin line, its voice raised by `pitch` (played that much faster), then fitted as above.
struct MandarinLine {
  std::u8string_view text;
  double pitch = 1.0;
};

std::vector<float> mandarinWithin(const RenderContext& c, const MandarinLine& line, double seconds) {
  std::vector<float> words = spokenMandarin(c.tools, line.text, c.rate);
  if (line.pitch != 1.0) words = resample(words, int(words.size()), int(double(words.size()) / line.pitch));
  return within(std::move(words), c, seconds);
}

void shout(std::vector<float>& words, float drive) {
  for (float& x : words) x = softClip(x * drive);
}
}  // namespace

Stereo authorSignature(const RenderContext& c) {
  // A music-box flourish, the signature spoken over a soft chord, and a closing chime.
  Stereo s = playedScore(c);
  const auto words = mandarinWithin(c, {u8"澜星助手工具箱，版权所有。"}, 3.0);
  mixIn(s, words, 1.15, 2.2f);
  return finished(std::move(s), {0.4, 0.15}, {0.0, 0.3});
}

Stereo cantoneseHelp(const RenderContext& c) {
  Stereo s = c.blank();
  auto first = spokenWithin(c, {u8"救命呀！救命呀！", "yue", 170, 85}, 2.4);
  auto second = spokenWithin(c, {u8"有冇人呀？快啲嚟救我呀！", "yue", 190, 95}, 2.6);
  shout(first, 3.0f);
  shout(second, 3.0f);
  mixIn(s, first, 0.1);
  mixIn(s, second, 2.7);
  return finished(std::move(s), {0.6, 0.25}, {0.0, 0.0});
}

Stereo comicHelp(const RenderContext& c) {
  // Cries for help at silly pitches, with slide whistles and boings between them.
  Stereo s = c.blank();
  Rng rng(c.seed);
  const MandarinLine lines[] = {{u8"救命啊！", 1.0},
                                {u8"救命啊——", 1.35},
                                {u8"快来人啊！", 1.15},
                                {u8"救救我吧！", 0.8},
                                {u8"救命啊，救命啊！", 1.25}};
  double t = 0.2;
  for (int round = 0; t < c.seconds() - 2.5; ++round) {
    auto words = mandarinWithin(c, lines[round % 5], 2.2);
    shout(words, 2.0f);
    mixIn(s, words, t, 1.0f, float(rng.between(-0.4, 0.4)));
    t += double(words.size()) / c.rate + 0.15;
    // Slide whistle up or a boing down between the cries.
    const double len = 0.7;
    std::vector<float> gag(std::size_t(len * c.rate));
    Oscillator osc(c.rate), wob(c.rate);
    const bool up = round % 2 == 0;
    for (std::size_t i = 0; i < gag.size(); ++i) {
      const double u = double(i) / c.rate / len;
      const double hz = up ? 500 * std::pow(4.0, u) : 300 * std::pow(0.4, u) * (1 + 0.15 * wob.sine(18));
      gag[i] = float(osc.sine(hz) * std::min({1.0, u * 20, (1 - u) * 8}) * (up ? 0.5 : 0.7));
    }
    mixIn(s, gag, t, 0.8f);
    t += len + rng.between(0.3, 0.8);
  }
  return finished(std::move(s), {0.3, 0.12}, {0.0, 0.0});
}

Stereo ohNo(const RenderContext& c) {
  Stereo s = c.blank();
  mixIn(s, spokenWithin(c, {u8"Oh, no!", "en-us", 110, 30}, c.seconds() - 0.02), 0.01);
  return s;
}

Stereo wowNotBad(const RenderContext& c) {
  Stereo s = c.blank();
  const auto words = mandarinWithin(c, {u8"哇！不错哦！", 1.05}, 2.0);
  mixIn(s, words, 0.1);
  std::vector<Note> sparkle;
  addTune(sparkle, "E6:0.5 G6:0.5 C7:1", 0.0, 0.12, {Instrument::musicBox, 0.5f, 0.3f, 1.0});
  Stereo chime = renderScore(c.rate, std::size_t(0.6 * c.rate), sparkle, c.seed);
  mixIn(s, chime, 0.1 + double(words.size()) / c.rate, 0.6f);
  return s;
}

Stereo fastForwardTalk(const RenderContext& c) {
  // A talk played at double speed: high and squeaky, words tumbling over each other.
  const std::u8string_view talk{
      u8"各位朋友大家好，欢迎来到我们的直播间。今天天气很好，我们一起来聊一聊最近发生的"
      u8"有趣的事情。首先感谢大家的支持，有什么想听的歌，请在公屏上告诉我。"};
  std::vector<float> words = spokenMandarin(c.tools, talk, c.rate);
  const std::size_t fit = c.frames - std::size_t(0.1 * c.rate);
  words = resample(words, int(words.size()), int(std::min(fit, words.size() / 2)));
  Stereo s = c.blank();
  mixIn(s, words, 0.05);
  return s;
}

Stereo girlYamete(const RenderContext& c) {
  Stereo s = c.blank();
  auto first = mandarinWithin(c, {u8"雅蠛蝶～", 1.1}, 1.1);
  auto second = mandarinWithin(c, {u8"雅蠛蝶！", 1.2}, 1.0);
  mixIn(s, first, 0.05, 1.0f, -0.1f);
  mixIn(s, second, 0.1 + double(first.size()) / c.rate + 0.15, 1.0f, 0.1f);
  return finished(std::move(s), {0.3, 0.12}, {0.0, 0.0});
}
