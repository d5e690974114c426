#include "sound/audiofile/pipeline.h"

#include <algorithm>
#include <cstring>

#include "sound/device/wave_format.h"

namespace audiofile {

std::unique_ptr<Pipeline> Pipeline::open(const PlayerServices& services, const std::string& path, double startPercent,
                                         NotifyWindow window, std::uint64_t serial, EndHandler onEnd) {
  std::optional<std::vector<std::uint8_t>> file = services.files.read(path);
  if (!file) return nullptr;
  std::unique_ptr<FrameSource> source = services.decoders.open(std::move(*file));
  if (!source) return nullptr;
  if (startPercent > 0) source->seekToPercent(std::min(startPercent, 100.0));  // NaN stays at the start
  const std::optional<PcmFrame> first = source->nextFrame();
  if (!first || first->format.channels < 1 || first->format.channels > 2 || first->format.sampleRate <= 0)
    return nullptr;

  std::unique_ptr<Pipeline> pipeline(
      new Pipeline(services.notifier, window, serial, std::move(onEnd), std::move(source), first->format));
  if (!pipeline->ring_.allocate(kOutputBuffers, kOutputBufferBytes)) return nullptr;
  const PcmFormat format = first->format;
  pipeline->output_ = services.output.open(
      PcmWaveFormat(static_cast<std::uint16_t>(format.channels), static_cast<std::uint32_t>(format.sampleRate), 16),
      kOutputBuffers, pipeline->ring_);
  if (!pipeline->output_) return nullptr;
  pipeline->thread_ = std::thread(&Pipeline::decode, pipeline.get(), *first);
  return pipeline;
}

Pipeline::Pipeline(ProgressNotifier& notifier, NotifyWindow window, std::uint64_t serial, EndHandler onEnd,
                   std::unique_ptr<FrameSource> source, PcmFormat format)
    : notifier_(notifier),
      window_(window),
      serial_(serial),
      onEnd_(std::move(onEnd)),
      source_(std::move(source)),
      format_(format) {}

Pipeline::~Pipeline() {
  ring_.cancel();
  if (thread_.joinable()) thread_.join();
  output_.reset();
}

void Pipeline::pause() { (void)output_->pause(); }
void Pipeline::resume() { (void)output_->resume(); }

void Pipeline::decode(PcmFrame first) {
  for (std::optional<PcmFrame> frame = first; frame; frame = source_->nextFrame()) {
    // The device plays one format; a frame in another (a second stream glued on) is left out.
    const Fill outcome = frame->format == format_ ? fill(std::as_bytes(frame->samples)) : Fill::taken;
    if (outcome == Fill::cancelled) return;
    if (outcome == Fill::refused) {
      onEnd_({serial_});
      return;
    }
    reportProgress();
  }
  if (filling_ && !queueFilled()) {
    onEnd_({serial_});
    return;
  }
  if (ring_.waitUntilAllDone()) onEnd_({serial_});
}

Pipeline::Fill Pipeline::fill(std::span<const std::byte> pcm) {
  while (!pcm.empty()) {
    if (!filling_) {
      filling_ = ring_.acquire();
      if (!filling_) return Fill::cancelled;
      filled_ = 0;
    }
    const std::span<std::byte> area = ring_.data(*filling_);
    const std::size_t n = std::min(pcm.size(), area.size() - filled_);
    std::memcpy(area.data() + filled_, pcm.data(), n);
    filled_ += n;
    pcm = pcm.subspan(n);
    if (filled_ == area.size() && !queueFilled()) return Fill::refused;
  }
  return Fill::taken;
}

bool Pipeline::queueFilled() {
  const std::size_t slot = *filling_;
  filling_.reset();
  const std::size_t bytes = filled_;
  filled_ = 0;
  if (output_->write(slot, ring_.data(slot).first(bytes))) return true;
  ring_.release(slot);
  return false;
}

void Pipeline::reportProgress() {
  if (!window_) return;
  // 100 is kept for the end of the file, once its last buffer has played.
  const int percent = std::clamp(static_cast<int>(source_->progressPercent()), 0, kFileFinished - 1);
  if (percent == lastPercent_) return;
  lastPercent_ = percent;
  notifier_.post(window_, percent);
}

}  // namespace audiofile
