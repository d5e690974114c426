#pragma once
// Which mixer line a SysVolume line kind names, and what SysVolume.Open reports from the two
// controls it found. The mixer calls themselves are the system's.
#include <cstdint>
#include <optional>

namespace volume {

// SysVolume's line kinds are the system's component types of mixer lines
// (MIXERLINE_COMPONENTTYPE_*): the speakers destination, its wave-output source, and the inputs.
inline constexpr int kSpeakersLine = 4;
inline constexpr int kWaveOutputSource = 4104;
inline constexpr int kLineInSource = 4098, kMicrophoneSource = 4099, kSynthesizerSource = 4100,
                     kCompactDiscSource = 4101, kTelephoneSource = 4102, kAnalogSource = 4106;

// How a line is found: the line of `componentType`, and with `sourceType` the first source of that
// line with this type (walking its connections).
struct LineLookup {
  std::uint32_t componentType;
  std::optional<std::uint32_t> sourceType;
  bool operator==(const LineLookup&) const = default;
};

// The speakers destination; its wave-output source; an input line by its own component type. Any
// other kind names no line.
std::optional<LineLookup> lineLookupFor(int lineKind);

// 1 both controls, 0 neither, −1 the mute control only, −2 the volume control only.
int openResult(bool volumeFound, bool muteFound);

}  // namespace volume
