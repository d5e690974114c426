#pragma once
// Closing a winmm wave handle that may still hold buffers: tried again every 100 ms for as long as
// the device answers that it is still playing.
#include <windows.h>

#include <mmsystem.h>

#include "sound/device/close_retry.h"

[[nodiscard]] inline CloseOutcome<MMRESULT> closeWhenIdle(HWAVEOUT device) {
  return closeRetrying([device] { return waveOutClose(device); }, MMRESULT{WAVERR_STILLPLAYING});
}

[[nodiscard]] inline CloseOutcome<MMRESULT> closeWhenIdle(HWAVEIN device) {
  return closeRetrying([device] { return waveInClose(device); }, MMRESULT{WAVERR_STILLPLAYING});
}
