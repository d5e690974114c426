#include "sound/device/winmm_wave_input_win32.h"

#include <vector>

#include "sound/device/wave_format.h"
#include "sound/device/winmm_close_win32.h"

namespace {

const WAVEFORMATEX* asWaveFormat(Bytes format) { return reinterpret_cast<const WAVEFORMATEX*>(format.data()); }

class WinmmWaveInStream final : public WaveInStream {
 public:
  WinmmWaveInStream(std::size_t slots, WaveDone& done) : headers_(slots), done_(done) {}

  [[nodiscard]] bool open(unsigned device, Bytes format) {
    return waveInOpen(&device_, device, asWaveFormat(format), reinterpret_cast<DWORD_PTR>(&onMessage),
                      reinterpret_cast<DWORD_PTR>(this), CALLBACK_FUNCTION) == MMSYSERR_NOERROR;
  }

  // As for output: the reset hands every buffer back before the headers are unprepared.
  ~WinmmWaveInStream() override {
    if (!device_) return;
    waveInReset(device_);
    for (WAVEHDR& header : headers_)
      if (header.dwFlags & WHDR_PREPARED) waveInUnprepareHeader(device_, &header, sizeof header);
    (void)closeWhenIdle(device_);
  }
  WinmmWaveInStream(const WinmmWaveInStream&) = delete;
  WinmmWaveInStream& operator=(const WinmmWaveInStream&) = delete;

  bool add(std::size_t slot, std::span<std::byte> area) override {
    WAVEHDR& header = headers_[slot];
    if ((header.dwFlags & WHDR_PREPARED) && waveInUnprepareHeader(device_, &header, sizeof header) != MMSYSERR_NOERROR)
      return false;
    header = WAVEHDR{};
    header.lpData = reinterpret_cast<LPSTR>(area.data());
    header.dwBufferLength = static_cast<DWORD>(area.size());
    header.dwUser = slot;
    if (waveInPrepareHeader(device_, &header, sizeof header) != MMSYSERR_NOERROR) return false;
    if (waveInAddBuffer(device_, &header, sizeof header) == MMSYSERR_NOERROR) return true;
    waveInUnprepareHeader(device_, &header, sizeof header);
    return false;
  }

  bool pause() override { return waveInStop(device_) == MMSYSERR_NOERROR; }
  bool resume() override { return waveInStart(device_) == MMSYSERR_NOERROR; }
  bool reset() override { return waveInReset(device_) == MMSYSERR_NOERROR; }

  std::optional<std::uint32_t> position() override {
    MMTIME time{};
    time.wType = TIME_BYTES;
    if (waveInGetPosition(device_, &time, sizeof time) != MMSYSERR_NOERROR || time.wType != TIME_BYTES)
      return std::nullopt;
    return time.u.cb;
  }

 private:
  // Runs on the system's callback thread, which may not call back into winmm.
  static void CALLBACK onMessage(HWAVEIN, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR) {
    if (message != WIM_DATA) return;
    const auto* header = reinterpret_cast<const WAVEHDR*>(param1);
    reinterpret_cast<WinmmWaveInStream*>(instance)->done_.bufferDone(header->dwUser, header->dwBytesRecorded);
  }

  HWAVEIN device_ = nullptr;
  std::vector<WAVEHDR> headers_;
  WaveDone& done_;
};

}  // namespace

bool WinmmWaveInput::supports(Bytes format) {
  return IsWholeWaveFormat(format) &&
         waveInOpen(nullptr, device_, asWaveFormat(format), 0, 0, WAVE_FORMAT_QUERY) == MMSYSERR_NOERROR;
}

std::unique_ptr<WaveInStream> WinmmWaveInput::open(Bytes format, std::size_t slots, WaveDone& done) {
  if (!IsWholeWaveFormat(format) || waveInGetNumDevs() == 0) return nullptr;
  auto stream = std::make_unique<WinmmWaveInStream>(slots, done);
  if (!stream->open(device_, format)) return nullptr;
  return stream;
}
