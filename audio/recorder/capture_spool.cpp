#include "audio/recorder/capture_spool.h"

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

namespace {

// A name no other spool of this or another run is using: the clock keeps runs apart, the counter
// the spools of one run.
std::filesystem::path freshSpoolPath(const std::filesystem::path& folder) {
  static std::atomic<unsigned> counter = 0;
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  for (;;) {
    auto path = folder / ("lanxing-recording-" + std::to_string(ticks) + "-" + std::to_string(counter++) + ".spool");
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) return path;
    if (error) return {};
  }
}

}  // namespace

std::unique_ptr<CaptureSpool> CaptureSpool::create(const std::filesystem::path& folder) {
  std::filesystem::path path = freshSpoolPath(folder);
  if (path.empty()) return nullptr;
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::trunc | std::ios::binary);
  if (!file) return nullptr;
  return std::unique_ptr<CaptureSpool>(new CaptureSpool(std::move(path), std::move(file)));
}

CaptureSpool::~CaptureSpool() {
  file_.close();
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

void CaptureSpool::append(Bytes frames) {
  if (frames.empty() || spoiled_) return;
  file_.seekp(0, std::ios::end);
  file_.write(reinterpret_cast<const char*>(frames.data()), static_cast<std::streamsize>(frames.size()));
  if (!file_) {
    spoiled_ = true;
    return;
  }
  size_ += frames.size();
}

bool CaptureSpool::copyTo(std::ostream& out) {
  if (spoiled_ || !file_.flush() || !file_.seekg(0)) return false;
  std::vector<char> block(64 * 1024);
  for (std::uint64_t left = size_; left > 0;) {
    const auto n = static_cast<std::streamsize>(std::min<std::uint64_t>(left, block.size()));
    if (!file_.read(block.data(), n) || !out.write(block.data(), n)) return false;
    left -= static_cast<std::uint64_t>(n);
  }
  return true;
}
