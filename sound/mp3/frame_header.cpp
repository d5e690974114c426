#include "sound/mp3/frame_header.h"

namespace mp3 {

namespace {

constexpr int kBitratesMpeg1[15] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
constexpr int kBitratesLsf[15] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
constexpr int kSampleRates[3][3] = {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};

}  // namespace

int FrameHeader::sideInfoBytes() const {
  if (lsf()) return mode == ChannelMode::Mono ? 9 : 17;
  return mode == ChannelMode::Mono ? 17 : 32;
}

int FrameHeader::frameBytes() const {
  if (bitrateKbps == 0) return 0;
  return slotBytes() * bitrateKbps * 1000 / sampleRate + (padding ? 1 : 0);
}

std::optional<FrameHeader> parseHeader(const uint8_t* b) {
  if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0) return std::nullopt;
  FrameHeader h;
  switch ((b[1] >> 3) & 3) {
    case 0: h.version = MpegVersion::Mpeg25; break;
    case 2: h.version = MpegVersion::Mpeg2; break;
    case 3: h.version = MpegVersion::Mpeg1; break;
    default: return std::nullopt;
  }
  if (((b[1] >> 1) & 3) != 1) return std::nullopt;  // Layer III only
  h.hasCrc = (b[1] & 1) == 0;
  h.bitrateIndex = b[2] >> 4;
  h.sampleRateIndex = (b[2] >> 2) & 3;
  if (h.bitrateIndex == 15 || h.sampleRateIndex == 3) return std::nullopt;
  h.bitrateKbps = h.lsf() ? kBitratesLsf[h.bitrateIndex] : kBitratesMpeg1[h.bitrateIndex];
  h.sampleRate = kSampleRates[static_cast<int>(h.version)][h.sampleRateIndex];
  h.padding = (b[2] >> 1) & 1;
  h.mode = static_cast<ChannelMode>(b[3] >> 6);
  h.modeExtension = (b[3] >> 4) & 3;
  if ((b[3] & 3) == 2) return std::nullopt;  // reserved emphasis
  return h;
}

bool sameStream(const FrameHeader& a, const FrameHeader& b) {
  return a.version == b.version && a.sampleRateIndex == b.sampleRateIndex &&
         (a.bitrateIndex == 0) == (b.bitrateIndex == 0);
}

}  // namespace mp3
