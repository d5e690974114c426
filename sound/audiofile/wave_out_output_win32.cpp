#include "sound/audiofile/wave_out_output_win32.h"

#include <vector>

namespace audiofile {
namespace {

class WaveOutOutput final : public AudioOutput {
 public:
  WaveOutOutput(std::size_t slots, BufferDone& done) : headers_(slots), done_(done) {}

  [[nodiscard]] bool open(PcmFormat format) {
    WAVEFORMATEX wave{};
    wave.wFormatTag = WAVE_FORMAT_PCM;
    wave.nChannels = static_cast<WORD>(format.channels);
    wave.nSamplesPerSec = static_cast<DWORD>(format.sampleRate);
    wave.wBitsPerSample = 16;
    wave.nBlockAlign = static_cast<WORD>(wave.nChannels * 2);
    wave.nAvgBytesPerSec = wave.nSamplesPerSec * wave.nBlockAlign;
    return waveOutOpen(&device_, WAVE_MAPPER, &wave, reinterpret_cast<DWORD_PTR>(&onMessage),
                       reinterpret_cast<DWORD_PTR>(this), CALLBACK_FUNCTION | WAVE_ALLOWSYNC) == MMSYSERR_NOERROR;
  }

  // Reset hands every queued buffer back through the callback; only then may headers be unprepared.
  ~WaveOutOutput() override {
    if (!device_) return;
    waveOutReset(device_);
    for (WAVEHDR& header : headers_)
      if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &header, sizeof header);
    (void)closeWhenIdle(device_);
  }

  bool play(std::size_t slot, std::span<const std::byte> pcm) override {
    WAVEHDR& header = headers_[slot];
    if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &header, sizeof header);
    header = WAVEHDR{};
    header.lpData = reinterpret_cast<LPSTR>(const_cast<std::byte*>(pcm.data()));
    header.dwBufferLength = static_cast<DWORD>(pcm.size());
    header.dwUser = slot;
    if (waveOutPrepareHeader(device_, &header, sizeof header) != MMSYSERR_NOERROR) return false;
    if (waveOutWrite(device_, &header, sizeof header) == MMSYSERR_NOERROR) return true;
    waveOutUnprepareHeader(device_, &header, sizeof header);
    return false;
  }

  void pause() override { waveOutPause(device_); }
  void resume() override { waveOutRestart(device_); }

 private:
  // Runs on the system's thread; it may not call back into winmm.
  static void CALLBACK onMessage(HWAVEOUT, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR) {
    if (message != WOM_DONE) return;
    const auto* header = reinterpret_cast<const WAVEHDR*>(param1);
    reinterpret_cast<WaveOutOutput*>(instance)->done_.bufferDone(header->dwUser);
  }

  HWAVEOUT device_ = nullptr;
  std::vector<WAVEHDR> headers_;
  BufferDone& done_;
};

}  // namespace

std::unique_ptr<AudioOutput> WaveOutDevice::open(PcmFormat format, std::size_t slots, BufferDone& done) {
  auto output = std::make_unique<WaveOutOutput>(slots, done);
  if (!output->open(format)) return nullptr;
  return output;
}

CloseOutcome<MMRESULT> closeWhenIdle(HWAVEOUT device) {
  return closeRetrying([device] { return waveOutClose(device); }, MMRESULT{WAVERR_STILLPLAYING});
}

}  // namespace audiofile
