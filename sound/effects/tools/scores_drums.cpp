// The nine drum loops. Each image is a whole number of bars, so it repeats in time.
#include "sound/effects/tools/scores.h"

using namespace gm;

std::vector<MidiNote> rockBeatScore(double seconds) {  // 4 bars, 130 BPM
  return drumLoop({{kick, "X.......X.x....."},
                   {snare, "....X.......X..."},
                   {closedHat, "x.x.x.x.x.x.x.x."},
                   {crash, "X..............................................................."}},
                  {4, 0.0, powerKit}, seconds);
}

std::vector<MidiNote> discoBeatScore(double seconds) {  // 4 bars, 129 BPM, four on the floor
  return drumLoop({{kick, "X...X...X...X..."},
                   {clap, "....x.......x..."},
                   {openHat, "..x...x...x...x."},
                   {closedHat, "o...o...o...o..."},
                   {highTom, "..............o."}},
                  {4, 0.0, standardKit}, seconds);
}

std::vector<MidiNote> hipHopBeatScore(double seconds) {  // 2 bars, 75 BPM, swung
  return drumLoop({{kick, "X......x..X....."},
                   {snare, "....X.......X..."},
                   {closedHat, "x.x.x.x.x.xxx.x."},
                   {maracas, "..o...o...o...o."}},
                  {2, 0.2, tr808Kit}, seconds);
}

std::vector<MidiNote> danceBeatScore(double seconds) {  // 2 bars, 130 BPM
  return drumLoop({{kick, "X...X...X...X..."},
                   {clap, "....X.......X..."},
                   {openHat, "..x...x...x...x."},
                   {maracas, "oxoxoxoxoxoxoxox"}},
                  {2, 0.0, electronicKit}, seconds);
}

std::vector<MidiNote> marchBeatScore(double seconds) {  // 2 bars, 134 BPM, a marching snare
  return drumLoop({{kick, "X.......X......."},
                   {snare, "X.o.x.ooX.o.xoxo"},
                   {crash, "X..............................."},
                   {lowTom, "....o.......o..."}},
                  {2, 0.0, orchestraKit}, seconds);
}

std::vector<MidiNote> shuffleBeatScore(double seconds) {  // 4 bars of triplets, 146 BPM
  return drumLoop({{kick, "X.....x..X.."}, {snare, "...X.....X.o"}, {closedHat, "x.ox.ox.ox.o"}, {rim, "..o.....o..."}},
                  {4, 0.0, brushKit}, seconds);
}

std::vector<MidiNote> latinBeatScore(double seconds) {  // 2 bars, 129 BPM, son clave with congas
  return drumLoop({{claves, "X..X..X...X.X..."},
                   {cowbell, "x.o.x.o.x.o.x.o."},
                   {openConga, "..x..x....x..x.x"},
                   {lowConga, "......x.......x."},
                   {muteConga, "o...o...o...o..."},
                   {kick, "X..x....X..x...."},
                   {maracas, "oooooooooooooooo"}},
                  {2, 0.0, standardKit}, seconds);
}

std::vector<MidiNote> oneDropBeatScore(double seconds) {  // 2 bars, the drop on the third beat
  return drumLoop({{kick, "........x......."},
                   {rim, "........x......."},
                   {closedHat, "X.x.X.x.X.x.X.x."},
                   {openHat, "..............o."}},
                  {2, 0.15, roomKit}, seconds);
}

std::vector<MidiNote> technoBeatScore(double seconds) {  // 2 bars, 129 BPM
  return drumLoop({{kick, "X...X...X...X..."},
                   {openHat, "..X...X...X...X."},
                   {clap, "....x.......x..."},
                   {rim, ".x..x.x..x..x.x."},
                   {closedHat, "xoxoxoxoxoxoxoxo"}},
                  {2, 0.0, tr808Kit}, seconds);
}
