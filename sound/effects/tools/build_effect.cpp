#include "sound/effects/tools/build_effect.h"

#include <stdexcept>
#include <string>

#include "sound/effects/tools/extra_chunks.h"

namespace {
// A mono image's peak is set after its channels are folded together, not before.
void levelFor(Stereo& sound, int channels) {
  if (channels == 1)
    for (std::size_t i = 0; i < sound.frames(); ++i) sound.left[i] = sound.right[i] = 0.5f * (sound.left[i] + sound.right[i]);
  normalisePeak(sound, kPeakLevel);
}

// MPEG Layer-3 effects are bare 96-byte frames of 576 samples each; lame's encoder delay and
// padding take 1,393 samples of them, and the sound fills the rest exactly.
constexpr int kLayer3FrameBytes = 96;
constexpr int kLayer3FrameSamples = 576;
constexpr int kLayer3CodecDelay = 1393;

std::vector<RiffChunk> chunksBeforeData(const EffectRow& row, std::uint32_t frames) {
  if (row.extras == ExtraChunks::factBeforeData) return {factChunk(frames)};
  return {};
}

std::vector<RiffChunk> chunksAfterData(const EffectRow& row, std::uint32_t frames) {
  switch (row.extras) {
    case ExtraChunks::lampMarkers: return lampMarkerChunks(frames);
    case ExtraChunks::id3Tag: return {id3Chunk()};
    case ExtraChunks::factAfterData: return {factChunk(frames)};
    case ExtraChunks::infoList: return {softwareInfoList()};
    case ExtraChunks::none:
    case ExtraChunks::factBeforeData: break;
  }
  return {};
}
}  // namespace

BuiltEffect buildEffect(const EffectRow& row, const ExternalTools& tools) {
  BuiltEffect built;
  Bytes fmt, data;
  std::uint32_t frames;
  if (row.coding == Coding::mpegLayer3) {
    const int frameCount = int(row.dataBytes) / kLayer3FrameBytes;
    frames = std::uint32_t(frameCount * kLayer3FrameSamples - kLayer3CodecDelay);
    Stereo sound = row.recipe({row.rate, frames, std::uint64_t(row.number), tools});
    levelFor(sound, 1);
    const Bytes pcm = encodePcm(sound, 1, 16, frames);
    built.levels = measurePcm(pcm, 1, 16, row.rate);
    const std::vector<float> mono = sound.left;
    fmt = mpegLayer3Format();
    data = encodeLayer3(tools, mono, frameCount);
  } else {
    const std::uint32_t blockAlign = std::uint32_t(row.channels * row.bits / 8);
    frames = row.dataBytes / blockAlign;
    Stereo sound = row.recipe({row.rate, frames, std::uint64_t(row.number), tools});
    levelFor(sound, row.channels);
    data = encodePcm(sound, row.channels, row.bits, frames);
    built.levels = measurePcm(data, row.channels, row.bits, row.rate);
    fmt = pcmFormat(row.channels, row.rate, row.bits, row.coding == Coding::pcm18ByteFormat);
  }
  built.image = buildWavImage(fmt, chunksBeforeData(row, frames), data, chunksAfterData(row, frames));
  if (data.size() != row.dataBytes || built.image.size() != row.imageBytes)
    throw std::runtime_error("FX-" + std::to_string(row.number) + " came out at " + std::to_string(built.image.size()) +
                             " bytes with " + std::to_string(data.size()) + " data bytes");
  return built;
}
