#include "audio/volume/default_render_device_win32.h"

ComPtr<IMMDevice> defaultRenderDevice() {
  IMMDeviceEnumerator* enumerator = nullptr;
  if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, __uuidof(IMMDeviceEnumerator),
                              reinterpret_cast<void**>(&enumerator))))
    return nullptr;
  const ComPtr<IMMDeviceEnumerator> owned(enumerator);
  IMMDevice* device = nullptr;
  if (FAILED(owned->GetDefaultAudioEndpoint(eRender, eConsole, &device))) return nullptr;
  return ComPtr<IMMDevice>(device);
}
