#include "sound/mp3/stream.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

namespace mp3 {

namespace {

// The synthesis filterbank and the overlap-add delay the signal by 529 samples; encoders count
// their delay without it.
constexpr int kDecoderDelay = 529;

// The stream keeps its first frame's channel count: a mono frame in a stereo stream plays on both
// channels, a stereo frame in a mono stream is mixed down to their mean.
template <typename Sample>
void matchChannels(Sample* pcm, int samples, int from, int to) {
  if (from == to) return;
  if (to == 2) {
    for (int i = samples - 1; i >= 0; --i) pcm[2 * i] = pcm[2 * i + 1] = pcm[i];
    return;
  }
  for (int i = 0; i < samples; ++i) {
    if constexpr (std::is_integral_v<Sample>)
      pcm[i] = static_cast<Sample>((pcm[2 * i] + pcm[2 * i + 1]) / 2);
    else
      pcm[i] = (pcm[2 * i] + pcm[2 * i + 1]) * 0.5f;
  }
}

}  // namespace

bool Stream::open(const uint8_t* data, size_t size) {
  decoder_.reset();
  data_ = data;
  size_ = size;
  // A tag whose size runs past the end is broken: the audio is looked for right after its header.
  const size_t tag = id3v2Size(data, size);
  begin_ = tag <= size ? tag : kId3v2HeaderBytes;
  end_ = hasId3v1(data, size) ? size - 128 : size;
  if (end_ < begin_) end_ = begin_;
  vbr_.reset();
  skip_ = 0;
  remaining_ = -1;

  SyncLock lock;
  FrameLocation frame;
  if (findFrame(data + begin_, end_ - begin_, true, lock, frame) != SyncResult::Found) return false;
  first_ = frame.header;
  audioStart_ = begin_;
  const uint8_t* bytes = data + begin_ + frame.offset;
  vbr_ = readVbrInfo(bytes, frame.length, frame.header);
  if (vbr_) {
    audioStart_ = begin_ + frame.offset + static_cast<size_t>(frame.length);
    if (vbr_->encoderDelay >= 0) skip_ = vbr_->encoderDelay + kDecoderDelay;
    remaining_ = lengthSamples().value_or(-1);
  }
  position_ = audioStart_;
  return true;
}

std::optional<int64_t> Stream::lengthSamples() const {
  if (vbr_ && vbr_->encoderDelay >= 0 && vbr_->frames)
    return std::max<int64_t>(
        0, int64_t{*vbr_->frames} * first_.samplesPerFrame() - vbr_->encoderDelay - vbr_->encoderPadding);
  return std::nullopt;
}

int Stream::read(int16_t* pcm) { return readAny(pcm); }
int Stream::read(float* pcm) { return readAny(pcm); }

template <typename Sample>
int Stream::readAny(Sample* pcm) {
  while (remaining_ != 0 && position_ < end_) {
    const DecodeResult r = decoder_.decode(data_ + position_, end_ - position_, true, pcm);
    if (r.status != DecodeStatus::Frame) {
      position_ = end_;
      break;
    }
    position_ += r.consumed;
    const int channels = first_.channels();
    matchChannels(pcm, r.samples, r.header.channels(), channels);
    int64_t samples = r.samples;
    const int64_t dropped = std::min(skip_, samples);
    skip_ -= dropped;
    samples -= dropped;
    if (remaining_ >= 0) samples = std::min(samples, remaining_);
    if (samples <= 0) continue;
    if (remaining_ >= 0) remaining_ -= samples;
    if (dropped > 0)
      std::memmove(pcm, pcm + dropped * channels, sizeof(Sample) * static_cast<size_t>(samples * channels));
    return static_cast<int>(samples);
  }
  return 0;
}

void Stream::seekPercent(double percent) {
  percent = std::clamp(percent, 0.0, 100.0);
  const std::optional<int64_t> total = lengthSamples();
  if (percent == 0.0) {
    open(data_, size_);
    return;
  }
  decoder_.reset();
  const uint64_t streamBytes = end_ - begin_;
  uint64_t offset = static_cast<uint64_t>(percent / 100.0 * static_cast<double>(streamBytes));
  if (vbr_ && vbr_->toc) offset = tocOffset(*vbr_->toc, percent, vbr_->bytes.value_or(streamBytes));
  position_ = std::clamp<size_t>(begin_ + offset, audioStart_, end_);
  skip_ = 0;
  remaining_ = total ? *total - static_cast<int64_t>(std::llround(static_cast<double>(*total) * percent / 100.0)) : -1;
}

double Stream::progressPercent() const {
  if (end_ <= audioStart_) return 100.0;
  return 100.0 * static_cast<double>(position_ - audioStart_) / static_cast<double>(end_ - audioStart_);
}

}  // namespace mp3
