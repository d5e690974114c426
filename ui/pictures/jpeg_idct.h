#pragma once
// The inverse DCT of one 8 × 8 block, in the accurate integer form libjpeg calls "islow", so that a
// picture decodes to the same samples as the reference decoder gives.
#include <array>
#include <cstddef>
#include <cstdint>

// Coefficients in natural (row-major) order and their quantisation steps, likewise.
using JpegBlock = std::array<std::int16_t, 64>;
using JpegQuantTable = std::array<std::uint16_t, 64>;

// Writes the block's 8 × 8 samples to `out`, rows `stride` bytes apart.
void inverseDct(const JpegBlock& coefficients, const JpegQuantTable& quant, std::uint8_t* out, std::size_t stride);
