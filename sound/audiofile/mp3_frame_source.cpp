#include "sound/audiofile/mp3_frame_source.h"

#include <array>

#include "sound/mp3/stream.h"

namespace audiofile {
namespace {

class Mp3FrameSource final : public FrameSource {
 public:
  // The stream reads the bytes in place, so they live here, at an address that never changes.
  explicit Mp3FrameSource(std::vector<std::uint8_t> file) : file_(std::move(file)) {}

  [[nodiscard]] bool open() { return stream_.open(file_.data(), file_.size()); }

  std::optional<PcmFrame> nextFrame() override {
    const int samples = stream_.read(pcm_.data());
    if (samples <= 0) return std::nullopt;
    const PcmFormat format{stream_.channels(), stream_.sampleRate()};
    return PcmFrame{format, std::span(pcm_.data(), static_cast<std::size_t>(samples * format.channels))};
  }
  double progressPercent() const override { return stream_.progressPercent(); }
  void seekToPercent(double percent) override { stream_.seekPercent(percent); }

 private:
  const std::vector<std::uint8_t> file_;
  mp3::Stream stream_;
  std::array<std::int16_t, mp3::kMaxSamplesPerFrame * 2> pcm_{};
};

}  // namespace

std::unique_ptr<FrameSource> Mp3FrameSources::open(std::vector<std::uint8_t> file) {
  auto source = std::make_unique<Mp3FrameSource>(std::move(file));
  if (!source->open()) return nullptr;
  return source;
}

}  // namespace audiofile
