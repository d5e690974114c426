#include "audio/volume/mixer_lines.h"

namespace volume {

std::optional<LineLookup> lineLookupFor(int lineKind) {
  switch (lineKind) {
    case kSpeakersLine: return LineLookup{kSpeakersLine, std::nullopt};
    case kWaveOutputSource: return LineLookup{kSpeakersLine, kWaveOutputSource};
    case kLineInSource:
    case kMicrophoneSource:
    case kSynthesizerSource:
    case kCompactDiscSource:
    case kTelephoneSource:
    case kAnalogSource: return LineLookup{static_cast<std::uint32_t>(lineKind), std::nullopt};
    default: return std::nullopt;
  }
}

int openResult(bool volumeFound, bool muteFound) {
  if (volumeFound && muteFound) return 1;
  if (muteFound) return -1;
  if (volumeFound) return -2;
  return 0;
}

}  // namespace volume
