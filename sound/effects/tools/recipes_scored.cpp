// Effects played from their scores through the soundfont: music, drum loops and the sounds of the
// GS effects bank.
#include <algorithm>
#include <stdexcept>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/recipes.h"
#include "sound/effects/tools/rendered.h"
#include "sound/effects/tools/scores.h"

namespace {
std::string_view scoreOf(int effect) {
  for (const EffectScore& score : kEffectScores)
    if (score.effect == effect) return score.name;
  throw std::runtime_error("FX-" + std::to_string(effect) + " has no score");
}

}  // namespace

Stereo playedScore(const RenderContext& c) {
  return fitted(renderScoreFile(c.tools, scoreOf(c.effect), c.rate), c.frames);
}

Stereo scoredLoop(const RenderContext& c) {
  return foldedLoop(renderScoreFile(c.tools, scoreOf(c.effect), c.rate), c.frames);
}

Stereo scoredSound(const RenderContext& c) {
  // A score longer than its effect is faded out at the cut.
  return finished(playedScore(c), {0, 0}, {0.0, std::min(1.5, 0.05 * c.seconds())});
}

Stereo maleGhostHowl(const RenderContext& c) {
  // A scream slowed to a moan, far off in a hall that answers it.
  Stereo s = playedScore(c);
  echo(s, 0.23, 0.45, 0.35);
  return finished(std::move(s), {0.9, 0.45}, {0.05, 0.4});
}
