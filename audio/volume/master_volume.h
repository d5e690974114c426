#pragma once
// Where the knob's value goes. Since Windows Vista the winmm mixer's controls only reach the
// calling program's own audio session, so the default output endpoint's master volume is set
// first; the mixer (SysVolume) is the way on systems without the endpoint interface, or where it
// refuses.
#include <cstdint>
#include <vector>

#include "audio/volume/mixer_lines.h"

namespace volume {

// The default render endpoint's master volume (Core Audio).
class EndpointVolume {
 public:
  virtual ~EndpointVolume() = default;
  // 0..1; false when the system has no such interface or refuses the call.
  [[nodiscard]] virtual bool setMasterLevel(float scalar) = 0;
};

// SysVolume's operations, with its result codes: Open gives 1 (volume and mute control), 0
// (neither), −1 (mute only) or −2 (volume only).
class MixerVolume {
 public:
  virtual ~MixerVolume() = default;
  virtual int Open(int lineKind) = 0;
  virtual bool SetVolume(std::uint32_t first, std::uint32_t second) = 0;
  virtual bool Close(int which) = 0;
};

// SysVolume.Close's argument for both controls (any value other than 0 and 1).
inline constexpr int kCloseBoth = 2;

enum class Written { endpoint, mixer, mixerUnavailable };

// Writes a knob value (0..64571 of 65535). mixerUnavailable is the case the user is told about;
// `endpoint` may be null where the system has none.
Written writeKnobValue(std::uint32_t value, EndpointVolume* endpoint, MixerVolume& mixer);

// The values SysVolume.SetVolume hands the mixer for a line of `channels` channels: a line with
// one channel (or a uniform control, which reports none) gets only the first value; past the
// second, channels come in left/right pairs and take the first and second value in turn.
std::vector<std::uint32_t> mixerChannelValues(int channels, std::uint32_t first, std::uint32_t second);

}  // namespace volume
