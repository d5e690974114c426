#include "tests/support/audiofile/raw_pcm_source.h"

#include <algorithm>
#include <cstring>

namespace audiofile::testing {
namespace {

constexpr std::size_t kHeaderBytes = 11;

class RawPcmSource final : public FrameSource {
 public:
  RawPcmSource(std::vector<std::uint8_t> file, PcmFormat format, std::size_t frameLength)
      : file_(std::move(file)),
        format_(format),
        frameBytes_(frameLength * static_cast<std::size_t>(format.channels) * 2) {}

  std::optional<PcmFrame> nextFrame() override {
    if (position_ >= file_.size()) return std::nullopt;
    const std::size_t bytes = std::min(frameBytes_, file_.size() - position_);
    frame_.resize(bytes / 2);
    std::memcpy(frame_.data(), file_.data() + position_, frame_.size() * 2);  // the tests run little-endian
    position_ += bytes;
    return PcmFrame{format_, frame_};
  }
  double progressPercent() const override {
    return file_.size() == kHeaderBytes ? 100.0
                                        : 100.0 * static_cast<double>(position_ - kHeaderBytes) /
                                              static_cast<double>(file_.size() - kHeaderBytes);
  }
  void seekToPercent(double percent) override {
    const std::size_t frames = (file_.size() - kHeaderBytes + frameBytes_ - 1) / frameBytes_;
    position_ = kHeaderBytes + static_cast<std::size_t>(percent * static_cast<double>(frames) / 100.0) * frameBytes_;
  }

 private:
  const std::vector<std::uint8_t> file_;
  const PcmFormat format_;
  const std::size_t frameBytes_;
  std::size_t position_ = kHeaderBytes;
  std::vector<std::int16_t> frame_;
};

}  // namespace

std::vector<std::uint8_t> rawPcmFile(PcmFormat format, const std::vector<std::int16_t>& samples,
                                     std::uint16_t frameLength) {
  std::vector<std::uint8_t> file = {'R', 'P', 'C', 'M', static_cast<std::uint8_t>(format.channels)};
  for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(format.sampleRate >> (8 * i)));
  file.push_back(static_cast<std::uint8_t>(frameLength));
  file.push_back(static_cast<std::uint8_t>(frameLength >> 8));
  for (std::int16_t s : samples) {
    file.push_back(static_cast<std::uint8_t>(s));
    file.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(s) >> 8));
  }
  return file;
}

std::unique_ptr<FrameSource> RawPcmSources::open(std::vector<std::uint8_t> file) {
  if (file.size() < kHeaderBytes || std::memcmp(file.data(), "RPCM", 4) != 0) return nullptr;
  const PcmFormat format{file[4], file[5] | file[6] << 8 | file[7] << 16 | file[8] << 24};
  const std::size_t frameLength = file[9] | file[10] << 8;
  if (frameLength == 0 || format.channels == 0) return nullptr;
  return std::make_unique<RawPcmSource>(std::move(file), format, frameLength);
}

}  // namespace audiofile::testing
