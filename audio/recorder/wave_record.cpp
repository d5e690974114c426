#include "audio/recorder/wave_record.h"

#include <fstream>

WaveRecord::WaveRecord(WaveInDevice& device, std::filesystem::path spoolFolder, std::uint64_t dataLimit)
    : device_(device), spoolFolder_(std::move(spoolFolder)), dataLimit_(dataLimit) {}

WaveRecord::~WaveRecord() { closeDevice(); }

bool WaveRecord::SetFormat(std::int32_t channels, std::int32_t rate, std::int32_t bits) {
  const RecordFormat format{channels, rate, bits};
  if (!isOfferedFormat(format)) return false;
  requested_ = format;
  return true;
}

bool WaveRecord::Start() {
  const auto waveFormat = requested_.waveFormat();
  if (!device_.supports(waveFormat)) return false;
  closeDevice();
  auto session = CaptureSession::open(device_, waveFormat, requested_.blockAlign(), [this](Bytes f) { take(f); });
  if (!session) return false;
  // Only now is the old capture given up, and the new one needs a place to go.
  spool_.reset();
  spool_ = CaptureSpool::create(spoolFolder_);
  if (!spool_) return false;
  captured_ = requested_;
  savedWhole_ = false;
  positionWraps_ = lastPosition_ = 0;
  session_ = std::move(session);
  return session_->begin();
}

bool WaveRecord::Pause() { return !session_ || session_->pause(); }

bool WaveRecord::Resume() { return !session_ || session_->resume(); }

bool WaveRecord::Stop() {
  if (!session_) return true;
  positionWraps_ = lastPosition_ = 0;
  return session_->stop();
}

std::int64_t WaveRecord::GetPosition() {
  if (!session_) return -1;
  const auto position = session_->position();
  if (!position) return -1;
  if (*position < lastPosition_) ++positionWraps_;
  lastPosition_ = *position;
  return static_cast<std::int64_t>((positionWraps_ << 32) + *position);
}

SaveFailure WaveRecord::SaveToFile(const std::filesystem::path& path, bool overwrite) {
  std::error_code error;
  if (!overwrite && std::filesystem::exists(path, error)) return SaveFailure::fileExists;
  closeDevice();
  if (spool_ && spool_->spoiled()) return SaveFailure::captureLost;
  std::ofstream file(path, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!file) return SaveFailure::cannotCreate;
  const auto header = wavHeader(captured_, static_cast<std::uint32_t>(capturedBytes()));
  file.write(reinterpret_cast<const char*>(header.data()), header.size());
  const bool whole = file && (!spool_ || spool_->copyTo(file));
  file.close();
  if (!whole || !file) return spool_ && spool_->spoiled() ? SaveFailure::captureLost : SaveFailure::writeFailed;
  savedWhole_ = true;
  return SaveFailure::none;
}

void WaveRecord::closeDevice() { session_.reset(); }

// On the session's worker: frames past the limit are dropped, so the capture always fits a file.
void WaveRecord::take(Bytes frames) {
  const std::uint64_t room = dataLimit_ - std::min(dataLimit_, spool_->size());
  const std::uint64_t fits =
      std::min<std::uint64_t>(frames.size(), room / captured_.blockAlign() * captured_.blockAlign());
  spool_->append(frames.first(static_cast<std::size_t>(fits)));
}
