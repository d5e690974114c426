#pragma once
// The directory of an icon or cursor file: which image to use, and where its bytes are.
#include <cstdint>
#include <optional>
#include <string_view>

struct IconImage {
  int width = 0, height = 0;
  int bitCount = 0;
  int hotX = 0, hotY = 0;  // cursors only
  std::string_view bytes;  // the image: a DIB with its AND mask, or a PNG
};

// The image closest to `size` pixels square (the largest when size is 0), deepest colour first
// among equals; nothing when the directory or its entries do not fit in the file.
std::optional<IconImage> pickIconImage(std::string_view file, int size = 0);
