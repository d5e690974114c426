#include "audio/volume/ducking_win32.h"

#include <audiopolicy.h>

#include "audio/volume/default_render_device_win32.h"

HRESULT optOutOfDucking() {
  const ComPtr<IAudioSessionManager2> sessions = activateOnDefaultRender<IAudioSessionManager2>();
  if (!sessions) return E_NOINTERFACE;
  IAudioSessionControl* control = nullptr;
  const HRESULT got = sessions->GetAudioSessionControl(nullptr, 0, &control);
  if (FAILED(got)) return got;
  const ComPtr<IAudioSessionControl> owned(control);
  IAudioSessionControl2* control2 = nullptr;
  const HRESULT asked = owned->QueryInterface(__uuidof(IAudioSessionControl2), reinterpret_cast<void**>(&control2));
  if (FAILED(asked)) return asked;
  return ComPtr<IAudioSessionControl2>(control2)->SetDuckingPreference(TRUE);
}
