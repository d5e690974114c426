#pragma once
// A stand-in for the mp3 decoder in tests: files in a trivial format that carry their PCM as it is,
// so a test knows every sample the player must play. Layout: "RPCM", channels (1 byte), sample
// rate (4 bytes LE), samples per channel in a frame (2 bytes LE), then the samples, 16-bit LE.
#include <cstdint>
#include <vector>

#include "sound/audiofile/frame_source.h"

namespace audiofile::testing {

[[nodiscard]] std::vector<std::uint8_t> rawPcmFile(PcmFormat format, const std::vector<std::int16_t>& samples,
                                                   std::uint16_t frameLength = 576);

// Starts part way in at the frame that percent of the frames precede.
class RawPcmSources final : public FrameSourceFactory {
 public:
  [[nodiscard]] std::unique_ptr<FrameSource> open(std::vector<std::uint8_t> file) override;
};

}  // namespace audiofile::testing
