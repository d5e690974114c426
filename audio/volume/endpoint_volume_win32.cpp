#include "audio/volume/endpoint_volume_win32.h"

#include <endpointvolume.h>

#include "audio/volume/default_render_device_win32.h"

bool DefaultEndpointVolume::setMasterLevel(float scalar) {
  const ComPtr<IAudioEndpointVolume> endpoint = activateOnDefaultRender<IAudioEndpointVolume>();
  return endpoint && SUCCEEDED(endpoint->SetMasterVolumeLevelScalar(scalar, nullptr));
}
