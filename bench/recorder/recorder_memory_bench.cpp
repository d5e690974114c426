// Prints the process's resident memory after 10 seconds and after 10 minutes of capture at 44100
// Hz stereo 16-bit, captured as fast as the fake input fills buffers. The capture goes to the
// spool file, so the two figures should be about the same.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "audio/recorder/wave_record.h"
#include "tests/support/device/fake_wave_input.h"

namespace {

long residentKib() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

// Waits until the recorder holds `bytes` of capture.
bool captureUntil(FakeWaveInput& input, WaveRecord& record, std::uint64_t bytes) {
  return input.waitFor([&](const std::vector<WaveInRecord>& r) { return r.back().delivered >= bytes; }) &&
         record.capturedBytes() + 2 * 4096 >= bytes;
}

}  // namespace

int main() {
  constexpr std::uint64_t kBytesPerSecond = 44100 * 2 * 2;
  FakeWaveInput input([](std::uint64_t n) { return static_cast<std::byte>(n); });
  WaveRecord record(input, std::filesystem::temp_directory_path());
  if (!record.SetFormat(2, 44100, 16) || !record.Start()) return 1;
  long afterTenSeconds = 0;
  for (const std::uint64_t seconds : {10u, 60u, 120u, 300u, 600u}) {
    // The fake's waits last five seconds at most: keep waiting while the capture grows.
    while (!captureUntil(input, record, seconds * kBytesPerSecond)) {}
    const long kib = residentKib();
    if (seconds == 10) afterTenSeconds = kib;
    std::printf("after %3llu s of capture (%6.1f MB spooled): resident %ld KiB, %.3f of the 10 s figure\n",
                static_cast<unsigned long long>(seconds), record.capturedBytes() / 1e6, kib,
                static_cast<double>(kib) / static_cast<double>(afterTenSeconds));
  }
  if (!record.Stop()) return 1;
  return 0;
}
