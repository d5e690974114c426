#pragma once
// While a voice-chat program holds a communications stream, Windows 7 and later turn every other
// program's sound down by default; the host's effects must keep their level mid-call.
#include <windows.h>

// Opts this program's default audio session out of that ducking. COM must be initialised. The
// system's answer, for the record: S_OK when it took the preference; a failure changes nothing else.
HRESULT optOutOfDucking();
