#pragma once
// Little- and big-endian reads from a byte run; callers check the bounds first.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

using Bytes = std::span<const std::byte>;

inline std::uint32_t readLe32(Bytes b, std::size_t at) {
  return std::to_integer<std::uint32_t>(b[at]) | std::to_integer<std::uint32_t>(b[at + 1]) << 8 |
         std::to_integer<std::uint32_t>(b[at + 2]) << 16 | std::to_integer<std::uint32_t>(b[at + 3]) << 24;
}

inline std::uint16_t readLe16(Bytes b, std::size_t at) {
  return static_cast<std::uint16_t>(std::to_integer<unsigned>(b[at]) | std::to_integer<unsigned>(b[at + 1]) << 8);
}

inline std::uint32_t readBe32(Bytes b, std::size_t at) {
  return std::to_integer<std::uint32_t>(b[at]) << 24 | std::to_integer<std::uint32_t>(b[at + 1]) << 16 |
         std::to_integer<std::uint32_t>(b[at + 2]) << 8 | std::to_integer<std::uint32_t>(b[at + 3]);
}

inline std::uint16_t readBe16(Bytes b, std::size_t at) {
  return static_cast<std::uint16_t>(std::to_integer<unsigned>(b[at]) << 8 | std::to_integer<unsigned>(b[at + 1]));
}

// True when the four bytes at `at` (which must exist) spell `tag`.
inline bool hasTag(Bytes b, std::size_t at, std::string_view tag) {
  for (std::size_t i = 0; i < 4; ++i)
    if (std::to_integer<char>(b[at + i]) != tag[i]) return false;
  return true;
}
