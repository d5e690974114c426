#pragma once
// The player's figures on a given device: Play to first buffer against a bare copy of the same
// samples, and the cost of Stop with ten voices playing.
#include <functional>

#include "sound/player/midi_output.h"
#include "sound/device/wave_device.h"

// `holdCompletions` (may be empty) keeps a device that completes at once from spinning the voices of
// the Stop figure; a real device paces them itself.
void RunPlayerBench(WaveOutDevice& device, MidiOutput& midi, const std::function<void(bool)>& holdCompletions);
