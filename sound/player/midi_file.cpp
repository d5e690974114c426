#include "sound/player/midi_file.h"

#include <algorithm>

namespace {

struct TimedEvent {
  std::uint64_t tick;
  MidiEvent event;
};

// Reads one track chunk's events; a running position `at` never passes `track.size()`.
class TrackReader {
 public:
  explicit TrackReader(Bytes track) : track_(track) {}

  // Appends the track's events with their absolute ticks; false for a malformed track.
  [[nodiscard]] bool readInto(std::vector<TimedEvent>& out) {
    std::uint64_t& tick = end_;  // the running time; where the track ends, it is the track's end
    std::uint8_t running = 0;
    while (at_ < track_.size()) {
      std::uint32_t delta = 0;
      std::uint8_t status = 0;
      if (!readVarLength(delta) || !peek(status)) return false;
      tick += delta;
      if (status & 0x80)
        ++at_;
      else if (running)
        status = running;  // running status: the byte is already data
      else
        return false;
      if (status == 0xFF) {
        std::uint8_t type = 0;
        std::uint32_t length = 0;
        if (!take(type) || !readVarLength(length) || length > track_.size() - at_) return false;
        if (type == 0x2F) return true;  // end of track
        if (type == 0x51 && length == 3)
          out.push_back(
              {tick,
               {0, MidiEvent::Kind::tempo,
                std::uint32_t(readBe16(track_, at_)) << 8 | std::to_integer<std::uint32_t>(track_[at_ + 2])}});
        at_ += length;
      } else if (status == 0xF0 || status == 0xF7) {
        std::uint32_t length = 0;
        if (!readVarLength(length) || length > track_.size() - at_) return false;
        at_ += length;
      } else if (status >= 0xF0) {
        return false;  // real-time and common messages do not belong in a file
      } else {
        running = status;
        const bool oneDataByte = (status & 0xE0) == 0xC0;  // program change, channel pressure
        std::uint8_t first = 0, second = 0;
        if (!takeData(first) || (!oneDataByte && !takeData(second))) return false;
        out.push_back({tick, {0, MidiEvent::Kind::shortMessage, std::uint32_t(status) | first << 8 | second << 16}});
      }
    }
    return true;  // a track may end without its end-of-track event
  }

  // The tick at which the track ended.
  [[nodiscard]] std::uint64_t end() const { return end_; }

 private:
  bool peek(std::uint8_t& b) const {
    if (at_ >= track_.size()) return false;
    b = std::to_integer<std::uint8_t>(track_[at_]);
    return true;
  }
  bool take(std::uint8_t& b) { return peek(b) && (++at_, true); }
  bool takeData(std::uint8_t& b) { return take(b) && b < 0x80; }

  // At most four bytes, as the file format allows.
  bool readVarLength(std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b = 0;
      if (!take(b)) return false;
      value = value << 7 | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  }

  Bytes track_;
  std::size_t at_ = 0;
  std::uint64_t end_ = 0;
};

constexpr std::size_t kChunkHeader = 8;
constexpr std::uint32_t kHeaderLength = 6;

}  // namespace

std::optional<MidiSequence> ParseMidiFile(Bytes image) {
  if (image.size() < kChunkHeader + kHeaderLength || !hasTag(image, 0, "MThd") || readBe32(image, 4) != kHeaderLength)
    return std::nullopt;
  const std::uint16_t tracks = readBe16(image, 10);
  const std::uint16_t division = readBe16(image, 12);
  if (tracks == 0 || division == 0) return std::nullopt;

  std::vector<TimedEvent> timed;
  std::uint64_t pieceEnd = 0;
  std::size_t at = kChunkHeader + kHeaderLength;
  for (std::uint16_t t = 0; t < tracks; ++t) {
    if (image.size() - at < kChunkHeader || !hasTag(image, at, "MTrk")) return std::nullopt;
    const std::uint32_t length = readBe32(image, at + 4);
    if (length > image.size() - at - kChunkHeader) return std::nullopt;
    TrackReader track(image.subspan(at + kChunkHeader, length));
    if (!track.readInto(timed)) return std::nullopt;
    pieceEnd = std::max(pieceEnd, track.end());
    at += kChunkHeader + length;
  }

  // Stable, so events of one tick keep their track order and, within a track, their file order.
  std::stable_sort(timed.begin(), timed.end(),
                   [](const TimedEvent& a, const TimedEvent& b) { return a.tick < b.tick; });
  if (timed.empty() || timed.back().tick < pieceEnd) timed.push_back({pieceEnd, {0, MidiEvent::Kind::rest, 0}});
  MidiSequence sequence{division, {}};
  sequence.events.reserve(timed.size());
  std::uint64_t previous = 0;
  for (TimedEvent& e : timed) {
    const std::uint64_t gap = e.tick - previous;
    if (gap > UINT32_MAX) return std::nullopt;
    e.event.delta = static_cast<std::uint32_t>(gap);
    previous = e.tick;
    sequence.events.push_back(e.event);
  }
  return sequence;
}
