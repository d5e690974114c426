#pragma once
// The project's mp3 decoder behind the player's decoder seam.
#include "sound/audiofile/frame_source.h"

namespace audiofile {

class Mp3FrameSources final : public FrameSourceFactory {
 public:
  [[nodiscard]] std::unique_ptr<FrameSource> open(std::vector<std::uint8_t> file) override;
};

}  // namespace audiofile
