#pragma once
// What the project's mp3 decoder makes of a whole file, decoded directly: what the player must play.
#include <cstdint>
#include <vector>

namespace audiofile::testing {

[[nodiscard]] std::vector<std::int16_t> decodeWholeFile(const std::vector<std::uint8_t>& file, double startPercent = 0);

}  // namespace audiofile::testing
