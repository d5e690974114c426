// The nine drum loops. Each image is a whole number of bars, so it repeats in time.
#include "sound/effects/tools/drums.h"
#include "sound/effects/tools/recipes.h"

using D = Drum;

Stereo rockBeat(const RenderContext& c) {  // 4 bars, 130 BPM
  return drumLoop(c.rate, c.frames,
                  {{D::kick, "X.......X.x....."}, {D::snare, "....X.......X..."}, {D::closedHat, "x.x.x.x.x.x.x.x.", 0.3f}},
                  {4, 0.0}, c.seed);
}

Stereo discoBeat(const RenderContext& c) {  // 4 bars, 129 BPM, four on the floor
  return drumLoop(c.rate, c.frames,
                  {{D::kick, "X...X...X...X..."},
                   {D::clap, "....x.......x..."},
                   {D::openHat, "..x...x...x...x.", 0.3f},
                   {D::closedHat, "o...o...o...o...", -0.3f},
                   {D::tomHigh, "..............o."}},
                  {4, 0.0}, c.seed);
}

Stereo hipHopBeat(const RenderContext& c) {  // 2 bars, 75 BPM, swung
  return drumLoop(c.rate, c.frames,
                  {{D::kick, "X......x..X....."}, {D::snare, "....X.......X..."}, {D::closedHat, "x.x.x.x.x.xxx.x.", 0.2f},
                   {D::shaker, "..o...o...o...o.", -0.4f}},
                  {2, 0.2}, c.seed);
}

Stereo danceBeat(const RenderContext& c) {  // 2 bars, 130 BPM
  return drumLoop(c.rate, c.frames,
                  {{D::kick, "X...X...X...X..."}, {D::clap, "....X.......X..."}, {D::openHat, "..x...x...x...x.", 0.5f},
                   {D::shaker, "oxoxoxoxoxoxoxox", -0.5f}},
                  {2, 0.0}, c.seed);
}

Stereo marchBeat(const RenderContext& c) {  // 2 bars, 134 BPM, a marching snare
  return drumLoop(c.rate, c.frames,
                  {{D::kick, "X.......X......."}, {D::snare, "X.o.x.ooX.o.xoxo"}, {D::crash, "X..............."},
                   {D::tomLow, "....o.......o..."}},
                  {2, 0.0}, c.seed);
}

Stereo shuffleBeat(const RenderContext& c) {  // 4 bars of triplets, 146 BPM
  return drumLoop(c.rate, c.frames,
                  {{D::kick, "X.....x..X.."}, {D::snare, "...X.....X.o"}, {D::closedHat, "x.ox.ox.ox.o", 0.4f},
                   {D::rim, "..o.....o...", -0.4f}},
                  {4, 0.0}, c.seed);
}

Stereo latinBeat(const RenderContext& c) {  // 2 bars, 129 BPM, son clave with congas
  return drumLoop(c.rate, c.frames,
                  {{D::clave, "X..X..X...X.X...", 0.4f},
                   {D::cowbell, "x.o.x.o.x.o.x.o.", -0.4f},
                   {D::tomHigh, "..x..x....x..x.x", 0.2f},
                   {D::tomLow, "......x.......x.", -0.2f},
                   {D::kick, "X..x....X..x...."},
                   {D::shaker, "oooooooooooooooo", 0.6f}},
                  {2, 0.0}, c.seed);
}

Stereo oneDropBeat(const RenderContext& c) {  // 2 bars, the drop on the third beat
  return drumLoop(c.rate, c.frames,
                  {{D::kick, "........X......."}, {D::rim, "........X......."}, {D::closedHat, "x.x.x.x.x.x.x.x.", 0.3f},
                   {D::openHat, "..............o.", -0.3f}},
                  {2, 0.15}, c.seed);
}

Stereo technoBeat(const RenderContext& c) {  // 2 bars, 129 BPM
  return drumLoop(c.rate, c.frames,
                  {{D::kick, "X...X...X...X..."}, {D::openHat, "..X...X...X...X.", 0.3f}, {D::clap, "....x.......x..."},
                   {D::rim, ".x..x.x..x..x.x.", -0.5f}, {D::closedHat, "xoxoxoxoxoxoxoxo", 0.6f}},
                  {2, 0.0}, c.seed);
}
