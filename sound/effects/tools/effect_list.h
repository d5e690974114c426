#pragma once
// The 64 built-in effects in storage order: the image format and size of each and how it sounds.
#include <array>
#include <cstdint>

#include "sound/effects/tools/recipes.h"

// Chunks an image carries besides "fmt " and "data".
enum class ExtraChunks {
  none,
  lampMarkers,     // after data: smpl, cue, LIST (adtl), LIST (INFO), muma, chrp, bext
  id3Tag,          // after data: an "ID3x" chunk holding a 4,242-byte ID3v2 tag
  factBeforeData,  // fact between fmt and data
  factAfterData,   // fact after data
  infoList,        // after data: LIST (INFO) naming the software
};

enum class Coding { pcm, pcm18ByteFormat, mpegLayer3 };

// MPEG Layer-3 effects are bare 96-byte frames of 576 samples each; lame's encoder delay and
// padding take 1,393 samples of them, and the sound fills the rest exactly.
inline constexpr int kLayer3FrameBytes = 96;
inline constexpr int kLayer3FrameSamples = 576;
inline constexpr int kLayer3CodecDelay = 1393;

struct EffectRow {
  int number;              // FX-nn
  const char8_t* caption;  // for the build report
  Coding coding;
  int channels, rate, bits;  // bits 0 for MPEG Layer-3
  std::uint32_t dataBytes;   // the "data" chunk's size
  std::uint32_t imageBytes;  // the whole image
  ExtraChunks extras;
  Recipe recipe;
};

extern const std::array<EffectRow, 64> kEffectRows;

// Sample frames of an effect's sound: the data chunk's frames for PCM; for MPEG Layer-3, the
// frames' samples less what the encoder's delay and padding take.
std::uint32_t effectFrames(const EffectRow& row);
inline double effectSeconds(const EffectRow& row) { return double(effectFrames(row)) / row.rate; }
