#pragma once
// A stand-in for the mp3 decoder in tests: files in a trivial format that carry their PCM as it is,
// so a test knows every sample the player must play. Layout: "RPCM", channels (1 byte), sample
// rate (4 bytes LE), samples per channel in a frame (2 bytes LE), a flag byte and, when it is 1,
// a 100-byte table of contents; then the samples, 16-bit LE.
#include <cstdint>
#include <optional>
#include <vector>

#include "sound/audiofile/frame_source.h"

namespace audiofile::testing {

inline constexpr std::size_t kRawPcmHeaderBytes = 12;

[[nodiscard]] std::vector<std::uint8_t> rawPcmFile(PcmFormat format, const std::vector<std::int16_t>& samples,
                                                   std::uint16_t frameLength = 576,
                                                   const std::optional<TableOfContents>& toc = std::nullopt);

// Where the samples of a raw PCM file begin.
[[nodiscard]] std::size_t rawPcmDataOffset(bool withToc);

class RawPcmSources final : public FrameSourceFactory {
 public:
  [[nodiscard]] std::unique_ptr<FrameSource> open(std::vector<std::uint8_t> file) override;
};

}  // namespace audiofile::testing
