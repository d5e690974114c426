#include "tests/support/audiofile/raw_pcm_source.h"

#include <algorithm>
#include <cstring>

namespace audiofile::testing {
namespace {

class RawPcmSource final : public FrameSource {
 public:
  RawPcmSource(std::vector<std::uint8_t> file, PcmFormat format, std::size_t frameLength,
               std::optional<TableOfContents> toc, std::size_t dataOffset)
      : file_(std::move(file)), format_(format), toc_(toc), dataOffset_(dataOffset),
        frameBytes_(frameLength * static_cast<std::size_t>(format.channels) * 2), position_(dataOffset) {}

  std::optional<PcmFrame> nextFrame() override {
    if (position_ >= file_.size()) return std::nullopt;
    const std::size_t bytes = std::min(frameBytes_, file_.size() - position_) & ~std::size_t{1};
    frame_.resize(bytes / 2);
    std::memcpy(frame_.data(), file_.data() + position_, bytes);  // the tests run little-endian
    position_ += std::max<std::size_t>(bytes, 1);
    return PcmFrame{format_, frame_};
  }
  std::uint64_t bytesConsumed() const override { return position_; }
  std::optional<TableOfContents> tableOfContents() const override { return toc_; }
  std::uint32_t frameCount() const override {
    return static_cast<std::uint32_t>((file_.size() - dataOffset_ + frameBytes_ - 1) / frameBytes_);
  }
  void seekToByte(std::uint64_t offset) override {
    const std::size_t into = offset > dataOffset_ ? static_cast<std::size_t>(offset) - dataOffset_ : 0;
    position_ = dataOffset_ + (into + frameBytes_ - 1) / frameBytes_ * frameBytes_;
  }
  void skipFrames(std::uint32_t frames) override { position_ += frames * frameBytes_; }

 private:
  const std::vector<std::uint8_t> file_;
  const PcmFormat format_;
  const std::optional<TableOfContents> toc_;
  const std::size_t dataOffset_;
  const std::size_t frameBytes_;
  std::size_t position_;
  std::vector<std::int16_t> frame_;
};

std::uint32_t readLe(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
  return v;
}

}  // namespace

std::size_t rawPcmDataOffset(bool withToc) { return kRawPcmHeaderBytes + (withToc ? 100 : 0); }

std::vector<std::uint8_t> rawPcmFile(PcmFormat format, const std::vector<std::int16_t>& samples,
                                     std::uint16_t frameLength, const std::optional<TableOfContents>& toc) {
  std::vector<std::uint8_t> file = {'R', 'P', 'C', 'M', static_cast<std::uint8_t>(format.channels)};
  for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(format.sampleRate >> (8 * i)));
  file.push_back(static_cast<std::uint8_t>(frameLength));
  file.push_back(static_cast<std::uint8_t>(frameLength >> 8));
  file.push_back(toc ? 1 : 0);
  if (toc) file.insert(file.end(), toc->begin(), toc->end());
  for (std::int16_t s : samples) {
    file.push_back(static_cast<std::uint8_t>(s));
    file.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(s) >> 8));
  }
  return file;
}

std::unique_ptr<FrameSource> RawPcmSources::open(std::vector<std::uint8_t> file) {
  if (file.size() < kRawPcmHeaderBytes || std::memcmp(file.data(), "RPCM", 4) != 0) return nullptr;
  const PcmFormat format{file[4], static_cast<int>(readLe(file, 5, 4))};
  const std::size_t frameLength = readLe(file, 9, 2);
  const bool hasToc = file[11] == 1;
  if (frameLength == 0 || (hasToc && file.size() < rawPcmDataOffset(true))) return nullptr;
  std::optional<TableOfContents> toc;
  if (hasToc) {
    toc.emplace();
    std::copy_n(file.begin() + kRawPcmHeaderBytes, 100, toc->begin());
  }
  return std::make_unique<RawPcmSource>(std::move(file), format, frameLength, toc, rawPcmDataOffset(hasToc));
}

}  // namespace audiofile::testing
