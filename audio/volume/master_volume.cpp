#include "audio/volume/master_volume.h"

namespace volume {

Written writeKnobValue(std::uint32_t value, EndpointVolume* endpoint, MixerVolume& mixer) {
  if (endpoint && endpoint->setMasterLevel(static_cast<float>(value) / 65535.0f)) return Written::endpoint;
  if (mixer.Open(kSpeakersLine) == 0) return Written::mixerUnavailable;
  mixer.SetVolume(value, value);
  mixer.Close(kCloseBoth);
  return Written::mixer;
}

std::vector<std::uint32_t> mixerChannelValues(int channels, std::uint32_t first, std::uint32_t second) {
  std::vector<std::uint32_t> values(channels > 1 ? static_cast<std::size_t>(channels) : 1u);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = i % 2 == 0 ? first : second;
  return values;
}

}  // namespace volume
