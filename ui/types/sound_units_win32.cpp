// SysVolume (系统音量), WaveRecord (录音) and WaveInForm (录音音波): the non-visual units of the
// sound engines. They exist with their window so handlers can address them; the engines behind
// them come with the system volume, the recorder and the waveform capture.
#include "ui/types/non_visual_unit_win32.h"
#include "ui/types/unit_types_win32.h"

std::unique_ptr<Unit> createSoundEngineUnit(const UnitContext& c) { return createUnit<NonVisualUnit>(c); }
