#include "sound/effects/tools/build_effect.h"

#include <stdexcept>
#include <string>

#include "sound/effects/tools/extra_chunks.h"

namespace {
// A mono image's peak is set after its channels are folded together, not before.
void levelFor(Stereo& sound, int channels) {
  if (channels == 1)
    for (std::size_t i = 0; i < sound.frames(); ++i)
      sound.left[i] = sound.right[i] = 0.5f * (sound.left[i] + sound.right[i]);
  normalisePeak(sound, kPeakLevel);
}

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
  const std::uint32_t frames = effectFrames(row);
  if (row.coding == Coding::mpegLayer3) {
    const int frameCount = int(row.dataBytes) / kLayer3FrameBytes;
    Stereo sound = row.recipe({row.number, row.rate, frames, std::uint64_t(row.number), tools});
    levelFor(sound, 1);
    const Bytes pcm = encodePcm(sound, 1, 16, frames);
    built.levels = measurePcm(pcm, 1, 16, row.rate);
    const std::vector<float> mono = sound.left;
    fmt = mpegLayer3Format();
    data = encodeLayer3(tools, mono, frameCount);
  } else {
    Stereo sound = row.recipe({row.number, row.rate, frames, std::uint64_t(row.number), tools});
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
