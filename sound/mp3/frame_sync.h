#pragma once

#include <cstddef>
#include <cstdint>

#include "sound/mp3/frame_header.h"

namespace mp3 {

// Longest frame accepted (free format at 640 kbit/s and 32 kHz is 2881 bytes).
constexpr int kMaxFrameBytes = 3000;

struct FrameLocation {
  size_t offset = 0;  // where the frame starts in the searched bytes
  int length = 0;     // bytes
  FrameHeader header;
};

// What the stream is locked on: the last accepted header and, for free format, the frame length
// without padding.
struct SyncLock {
  bool locked = false;
  FrameHeader header;
  int freeFormatBytes = 0;
};

enum class SyncResult {
  Found,     // `frame` is a whole frame inside the bytes
  NeedMore,  // a frame may start at `frame.offset`; more bytes are needed to tell
  None,      // no frame in the bytes (only at the end of the input)
};

// Finds the next frame. A locked stream takes a fitting header at offset 0 at once; otherwise a
// header counts only when the header right after its frame agrees with it, or when its frame ends
// exactly at the end of the input. Updates the lock.
SyncResult findFrame(const uint8_t* data, size_t size, bool endOfInput, SyncLock& lock, FrameLocation& frame);

}  // namespace mp3
