#include "sound/player/winmm_wave_output_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include <array>

#include "sound/player/buffer_block.h"
#include "sound/player/wave_image.h"

namespace {

// Runs on the system's callback thread.
void CALLBACK onDeviceMessage(HWAVEOUT, UINT message, DWORD_PTR instance, DWORD_PTR, DWORD_PTR) {
  if (message == WOM_DONE) reinterpret_cast<WaveCompletion*>(instance)->bufferDone();
}

class WinmmWaveStream final : public WaveStream {
 public:
  explicit WinmmWaveStream(HWAVEOUT device) : device_(device) {}
  ~WinmmWaveStream() override { waveOutClose(device_); }
  WinmmWaveStream(const WinmmWaveStream&) = delete;
  WinmmWaveStream& operator=(const WinmmWaveStream&) = delete;

  bool write(WaveBuffer& buffer) override {
    WAVEHDR& header = headers_[buffer.index];
    header = WAVEHDR{};
    header.lpData = reinterpret_cast<LPSTR>(buffer.data);
    header.dwBufferLength = buffer.length;
    if (waveOutPrepareHeader(device_, &header, sizeof header) != MMSYSERR_NOERROR) return false;
    buffer.prepared = true;
    return waveOutWrite(device_, &header, sizeof header) == MMSYSERR_NOERROR;
  }

  void unprepare(WaveBuffer& buffer) override {
    if (waveOutUnprepareHeader(device_, &headers_[buffer.index], sizeof(WAVEHDR)) == MMSYSERR_NOERROR)
      buffer.prepared = false;
  }

  void pauseAndReset() override {
    waveOutPause(device_);
    waveOutReset(device_);
  }

 private:
  HWAVEOUT device_;
  std::array<WAVEHDR, kBuffersPerVoice> headers_{};  // the device's view of the voice's buffers
};

}  // namespace

std::unique_ptr<WaveStream> WinmmWaveOutput::open(Bytes format, WaveCompletion& completion) {
  if (waveOutGetNumDevs() == 0) return nullptr;
  const std::vector<std::byte> deviceFormat = DeviceWaveFormat(format);
  HWAVEOUT device = nullptr;
  if (waveOutOpen(&device, WAVE_MAPPER, reinterpret_cast<const WAVEFORMATEX*>(deviceFormat.data()),
                  reinterpret_cast<DWORD_PTR>(&onDeviceMessage), reinterpret_cast<DWORD_PTR>(&completion),
                  CALLBACK_FUNCTION) != MMSYSERR_NOERROR)
    return nullptr;
  return std::make_unique<WinmmWaveStream>(device);
}
