// The player's figures on the system's wave output.
#include "bench/player/player_bench.h"
#include "sound/device/winmm_wave_output_win32.h"
#include "sound/player/winmm_midi_output_win32.h"

int main() {
  WinmmWaveOutput device;
  WinmmMidiOutput midi;
  RunPlayerBench(device, midi, {});
}
