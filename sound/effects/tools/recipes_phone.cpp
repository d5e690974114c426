// Telephone sounds on the Chinese network's 450 Hz line tones and DTMF keys.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "sound/effects/tools/dsp.h"
#include "sound/effects/tools/recipes.h"
#include "sound/effects/tools/telephone.h"

Stereo phoneRing(const RenderContext& c) {
  // One burst of ringing: the 450 Hz tone warbled at the 25 Hz of the ringing current.
  Stereo s = c.blank();
  addLineTone(s, 0.02, c.seconds() - 0.04, kDialTone, 1.0f);
  Oscillator ring(c.rate);
  for (std::size_t i = 0; i < s.frames(); ++i) {
    const float g = 0.6f + 0.4f * ring.square(25.0);
    s.left[i] *= g;
    s.right[i] *= g;
  }
  return s;
}

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
