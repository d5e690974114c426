// Any bytes as a sound image, through both parsers the player dispatches to: they must stay inside
// the bytes given, and what they find must lie within them.
#include <cstdint>
#include <cstdlib>

#include "sound/player/midi_file.h"
#include "sound/player/wave_image.h"

namespace {

bool within(Bytes part, Bytes whole) {
  return part.empty() || (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Bytes image(reinterpret_cast<const std::byte*>(data), size);
  if (const std::optional<WaveImage> wave = ParseWaveImage(image)) {
    if (wave->data.empty() || !within(wave->data, image) || !within(wave->format, image)) std::abort();
    const std::vector<std::byte> format = DeviceWaveFormat(wave->format);
    if (format.size() < 18 || format.size() != 18u + readLe16(format, 16)) std::abort();
  }
  if (const std::optional<MidiSequence> midi = ParseMidiFile(image)) {
    for (const MidiEvent& e : midi->events)
      if (e.payload > 0xFFFFFF) std::abort();
  }
  return 0;
}
