#include "sound/effects/tools/midi_file.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

namespace {
constexpr int kDrumChannel = 9;

struct Event {
  long tick;
  int order;  // at one tick: settings first, then note-offs, then note-ons
  Bytes bytes;
};

long ticks(double seconds) { return std::lround(seconds * kTicksPerSecond); }

void putVarLength(Bytes& out, unsigned long value) {
  std::uint8_t groups[5];
  int n = 0;
  do groups[n++] = std::uint8_t(value & 0x7F), value >>= 7;
  while (value);
  while (n-- > 0) out.push_back(std::uint8_t(groups[n] | (n ? 0x80 : 0)));
}

void putBe32(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
}

std::uint8_t dataByte(int v) { return std::uint8_t(std::clamp(v, 0, 127)); }

// The channel of each (patch, pan), and the events that set it up.
struct Channels {
  std::vector<std::tuple<MidiPatch, float, int>> used;

  int channelFor(const MidiNote& n, std::vector<Event>& setup) {
    for (const auto& [patch, pan, channel] : used)
      if (patch == n.patch && pan == n.pan) return channel;
    int channel = kDrumChannel;
    if (n.patch.bank != kDrumBank) {
      channel = 0;
      for (const auto& u : used) channel += std::get<0>(u).bank != kDrumBank;
      if (channel >= kDrumChannel) ++channel;
      if (channel > 15) throw std::runtime_error("more instruments than MIDI channels");
    } else {
      for (const auto& u : used)
        if (std::get<0>(u).bank == kDrumBank) throw std::runtime_error("one drum kit and one pan per score");
    }
    used.emplace_back(n.patch, n.pan, channel);
    const auto status = [&](int kind) { return std::uint8_t(kind | channel); };
    const int bank = n.patch.bank == kDrumBank ? 0 : n.patch.bank;
    setup.push_back({0, 0, {status(0xB0), 0, dataByte(bank)}});
    setup.push_back({0, 0, {status(0xB0), 32, 0}});
    setup.push_back({0, 0, {status(0xC0), dataByte(n.patch.program)}});
    setup.push_back({0, 0, {status(0xB0), 10, dataByte(int(std::lround(64 + 63.5 * n.pan)))}});
    return channel;
  }
};
}  // namespace

Bytes midiFile(const std::vector<MidiNote>& notes, double endSeconds) {
  std::vector<Event> events;
  Channels channels;
  long end = ticks(endSeconds);
  for (const MidiNote& n : notes) {
    const int channel = channels.channelFor(n, events);
    const long on = ticks(n.start), off = std::max(on + 1, ticks(n.start + n.length));
    events.push_back({on, 2, {std::uint8_t(0x90 | channel), dataByte(n.key), dataByte(std::max(1, n.velocity))}});
    events.push_back({off, 1, {std::uint8_t(0x80 | channel), dataByte(n.key), 0}});
    end = std::max(end, off);
  }
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
  });
  Bytes track;
  // 500,000 µs per quarter note: 120 beats a minute, so 480 ticks a quarter make 960 a second.
  track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
  long at = 0;
  for (const Event& e : events) {
    putVarLength(track, std::uint32_t(e.tick - at));
    track.insert(track.end(), e.bytes.begin(), e.bytes.end());
    at = e.tick;
  }
  putVarLength(track, std::uint32_t(end - at));
  track.insert(track.end(), {0xFF, 0x2F, 0x00});

  Bytes file = {'M', 'T', 'h', 'd'};
  putBe32(file, 6);
  file.insert(file.end(), {0, 0, 0, 1, 0x01, 0xE0});  // format 0, one track, 480 ticks a quarter
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  putBe32(file, std::uint32_t(track.size()));
  file.insert(file.end(), track.begin(), track.end());
  return file;
}
