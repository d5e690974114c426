#include "sound/device/winmm_wave_output_win32.h"

#include <vector>

#include "sound/device/wave_format.h"
#include "sound/device/winmm_close_win32.h"

namespace {

class WinmmWaveOutStream final : public WaveOutStream {
 public:
  WinmmWaveOutStream(std::size_t slots, WaveDone& done) : headers_(slots), done_(done) {}

  [[nodiscard]] bool open(Bytes format) {
    return waveOutOpen(&device_, WAVE_MAPPER, reinterpret_cast<const WAVEFORMATEX*>(format.data()),
                       reinterpret_cast<DWORD_PTR>(&onMessage), reinterpret_cast<DWORD_PTR>(this),
                       CALLBACK_FUNCTION | WAVE_ALLOWSYNC) == MMSYSERR_NOERROR;
  }

  // The reset hands every queued buffer back through the callback; only then may headers be
  // unprepared.
  ~WinmmWaveOutStream() override {
    if (!device_) return;
    waveOutReset(device_);
    for (WAVEHDR& header : headers_)
      if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &header, sizeof header);
    (void)closeWhenIdle(device_);
  }
  WinmmWaveOutStream(const WinmmWaveOutStream&) = delete;
  WinmmWaveOutStream& operator=(const WinmmWaveOutStream&) = delete;

  bool write(std::size_t slot, Bytes pcm) override {
    WAVEHDR& header = headers_[slot];
    if ((header.dwFlags & WHDR_PREPARED) && waveOutUnprepareHeader(device_, &header, sizeof header) != MMSYSERR_NOERROR)
      return false;
    header = WAVEHDR{};
    header.lpData = reinterpret_cast<LPSTR>(const_cast<std::byte*>(pcm.data()));
    header.dwBufferLength = static_cast<DWORD>(pcm.size());
    header.dwUser = slot;
    if (waveOutPrepareHeader(device_, &header, sizeof header) != MMSYSERR_NOERROR) return false;
    if (waveOutWrite(device_, &header, sizeof header) == MMSYSERR_NOERROR) return true;
    waveOutUnprepareHeader(device_, &header, sizeof header);
    return false;
  }

  bool pause() override { return waveOutPause(device_) == MMSYSERR_NOERROR; }
  bool resume() override { return waveOutRestart(device_) == MMSYSERR_NOERROR; }
  bool reset() override { return waveOutReset(device_) == MMSYSERR_NOERROR; }

 private:
  // Runs on the system's callback thread, which may not call back into winmm.
  static void CALLBACK onMessage(HWAVEOUT, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR) {
    if (message != WOM_DONE) return;
    const auto* header = reinterpret_cast<const WAVEHDR*>(param1);
    reinterpret_cast<WinmmWaveOutStream*>(instance)->done_.bufferDone(header->dwUser, header->dwBufferLength);
  }

  HWAVEOUT device_ = nullptr;
  std::vector<WAVEHDR> headers_;  // the device's view of the slots
  WaveDone& done_;
};

}  // namespace

std::unique_ptr<WaveOutStream> WinmmWaveOutput::open(Bytes format, std::size_t slots, WaveDone& done) {
  if (!IsWholeWaveFormat(format) || waveOutGetNumDevs() == 0) return nullptr;
  auto stream = std::make_unique<WinmmWaveOutStream>(slots, done);
  if (!stream->open(format)) return nullptr;
  return stream;
}
