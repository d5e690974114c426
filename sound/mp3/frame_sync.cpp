#include "sound/mp3/frame_sync.h"

namespace mp3 {

namespace {

enum class Length { Known, NeedMore, Invalid };

bool freeFormatHeaderAt(const uint8_t* data, size_t size, size_t at, const FrameHeader& h) {
  if (at + 4 > size || data[at] != 0xFF) return false;
  const auto other = parseHeader(data + at);
  return other && other->bitrateIndex == 0 && sameStream(h, *other);
}

// A free-format frame ends where the next header of the same stream begins. A match inside the
// audio data would confirm itself, so the header one more frame on must fit as well (when the
// input reaches that far).
Length freeFormatLength(const uint8_t* data, size_t size, size_t offset, const FrameHeader& h, bool endOfInput,
                        int& length) {
  for (size_t next = offset + static_cast<size_t>(h.prefixBytes()) + 1;
       next < offset + static_cast<size_t>(kMaxFrameBytes); ++next) {
    if (next + 4 > size) return endOfInput ? Length::Invalid : Length::NeedMore;
    if (!freeFormatHeaderAt(data, size, next, h)) continue;
    const size_t slot = next - offset - (h.padding ? 1 : 0);
    const size_t after = next + slot + ((data[next + 2] >> 1) & 1);
    if (after + 4 > size) {
      if (!endOfInput) return Length::NeedMore;
    } else if (!freeFormatHeaderAt(data, size, after, h)) {
      continue;
    }
    length = static_cast<int>(next - offset);
    return Length::Known;
  }
  return Length::Invalid;
}

Length frameLength(const uint8_t* data, size_t size, size_t offset, const FrameHeader& h, bool endOfInput,
                   const SyncLock& lock, int& length) {
  if (h.bitrateIndex != 0)
    length = h.frameBytes();
  else if (lock.locked && lock.freeFormatBytes > 0 && sameStream(h, lock.header))
    length = lock.freeFormatBytes + (h.padding ? 1 : 0);
  else {
    const Length found = freeFormatLength(data, size, offset, h, endOfInput, length);
    if (found != Length::Known) return found;
  }
  if (length < h.prefixBytes() || length > kMaxFrameBytes) return Length::Invalid;
  return Length::Known;
}

void lockOn(SyncLock& lock, const FrameLocation& frame) {
  lock.locked = true;
  lock.header = frame.header;
  if (frame.header.bitrateIndex == 0) lock.freeFormatBytes = frame.length - (frame.header.padding ? 1 : 0);
}

}  // namespace

SyncResult findFrame(const uint8_t* data, size_t size, bool endOfInput, SyncLock& lock, FrameLocation& frame) {
  if (lock.locked && size >= 4) {
    const auto h = parseHeader(data);
    int length = 0;
    if (h && sameStream(*h, lock.header)) {
      const Length known = frameLength(data, size, 0, *h, endOfInput, lock, length);
      if (known == Length::Known && static_cast<size_t>(length) <= size) {
        frame = {0, length, *h};
        lockOn(lock, frame);
        return SyncResult::Found;
      }
      if (known != Length::Invalid && !endOfInput) {
        frame = {0, length, *h};
        return SyncResult::NeedMore;
      }
    }
  }
  lock.locked = false;
  lock.freeFormatBytes = 0;

  for (size_t offset = 0; offset + 4 <= size; ++offset) {
    if (data[offset] != 0xFF) continue;
    const auto h = parseHeader(data + offset);
    if (!h) continue;
    int length = 0;
    const Length known = frameLength(data, size, offset, *h, endOfInput, lock, length);
    if (known == Length::Invalid) continue;
    frame = {offset, length, *h};
    if (known == Length::NeedMore) return SyncResult::NeedMore;
    const size_t end = offset + static_cast<size_t>(length);
    if (end + 4 > size) {
      if (!endOfInput) return SyncResult::NeedMore;
      if (end != size) continue;
    } else {
      const auto next = parseHeader(data + end);
      if (!next || !sameStream(*h, *next)) continue;
    }
    lockOn(lock, frame);
    return SyncResult::Found;
  }
  if (!endOfInput) {
    frame.offset = size > 3 ? size - 3 : 0;  // a header may still begin in the last three bytes
    return SyncResult::NeedMore;
  }
  return SyncResult::None;
}

}  // namespace mp3
