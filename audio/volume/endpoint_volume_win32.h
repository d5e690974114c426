#pragma once
// The master volume of the default output endpoint, the computer's own volume on Windows Vista and
// later, where the winmm mixer reaches only this program's audio session.
#include "audio/volume/master_volume.h"

class DefaultEndpointVolume final : public volume::EndpointVolume {
 public:
  // Finds the default device again on every call: the user may switch it between two drags.
  bool setMasterLevel(float scalar) override;
};
