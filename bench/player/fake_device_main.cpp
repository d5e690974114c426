// The player's figures on the tests' device, which completes buffers on a thread of its own.
#include "bench/player/player_bench.h"
#include "tests/support/device/fake_wave_output.h"
#include "tests/unit/player/fake_midi_output.h"

int main() {
  FakeWaveOutput device;
  FakeMidiOutput midi;
  RunPlayerBench(device, midi, [&](bool hold) { device.holdCompletions(hold); });
}
