#pragma once
// A portable decoder of baseline JPEG, so that the picture buttons' pictures need not go through
// the system's picture loader.
#include <optional>
#include <string_view>

#include "ui/pictures/pixels.h"

// Baseline sequential Huffman-coded JPEG with 8-bit samples: grey, or YCbCr with each component
// sampled at full or half resolution on each axis. The pixels equal what libjpeg gives with its
// accurate integer DCT and default upsampling. Anything else (progressive, arithmetic coding,
// 12-bit, lossless, CMYK, RGB-coded), and any file that is corrupt or cut short, is nothing, so the
// caller can hand the file to the system's decoder instead.
std::optional<Pixels> decodeJpeg(std::string_view file);
