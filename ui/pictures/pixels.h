#pragma once
// Decoded pictures as 32-bit pixels 0x00RRGGBB, top row first: what the portable decoders give and
// what becomes a device-independent bitmap at the Win32 boundary.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> rgb;
  std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

// Limits what a picture may claim, so a forged size cannot ask for gigabytes.
inline constexpr int kLargestPictureSide = 8192;

// BMP file (1, 4, 8, 24 and 32 bits, uncompressed).
std::optional<Pixels> decodeBmp(std::string_view file);
// The largest image of an icon or cursor file, its transparent parts black.
std::optional<Pixels> decodeIconImage(std::string_view file);
// 8-bit (palette at the end) and 1-bit PCX.
std::optional<Pixels> decodePcx(std::string_view file);
