// Telephone sounds on the Chinese network's 450 Hz line tones and DTMF keys.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/recipes.h"
#include "sound/effects/tools/telephone.h"

Stereo dialTone(const RenderContext& c) {
  Stereo s = c.blank();
  addLineTone(s, 0.0, c.seconds(), kDialTone, 1.0f);
  return s;
}

Stereo busyTone(const RenderContext& c) {
  Stereo s = c.blank();
  addLineTone(s, 0.0, c.seconds(), kBusyTone, 1.0f);
  return s;
}

Stereo phoneKeys(const RenderContext& c) {
  // Dial tone, an 11-digit mobile number keyed by hand, then the choices of a voice menu.
  Stereo s = c.blank();
  addLineTone(s, 0.0, 1.0, kDialTone, 0.6f);
  Rng rng(c.seed);
  double t = 1.1;
  for (std::string_view keys : {"13800138000", "1", "3", "0#", "2", "*9"}) {
    for (char key : keys) {
      if (t + 0.25 > c.seconds()) break;
      addKeyTone(s, key, t, rng.between(0.16, 0.22), 1.0f);
      t += rng.between(0.27, 0.34);
    }
    t += 0.35;
  }
  return s;
}
