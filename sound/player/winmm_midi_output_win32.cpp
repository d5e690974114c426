#include "sound/player/winmm_midi_output_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include <condition_variable>
#include <mutex>
#include <vector>

namespace {

// A stream buffer may hold at most 64 KB; three DWORDs per short event.
constexpr std::size_t kEventsPerBlock = 5000;
constexpr std::size_t kWordsPerEvent = 3;
constexpr auto kStopWait = std::chrono::milliseconds(2000);

DWORD streamEventType(MidiEvent::Kind kind) {
  switch (kind) {
    case MidiEvent::Kind::shortMessage: return MEVT_SHORTMSG;
    case MidiEvent::Kind::tempo: return MEVT_TEMPO;
    case MidiEvent::Kind::rest: return MEVT_NOP;
  }
  return MEVT_NOP;
}

class WinmmMidiPlayback final : public MidiPlayback {
 public:
  WinmmMidiPlayback(const MidiSequence& sequence, bool loop) : loop_(loop) {
    for (const MidiEvent& e : sequence.events)
      events_.insert(events_.end(), {e.delta, 0, streamEventType(e.kind) << 24 | (e.payload & 0xFFFFFF)});
    const std::size_t count = events_.size() / kWordsPerEvent;
    for (std::size_t first = 0; first < count; first += kEventsPerBlock) {
      MIDIHDR header{};
      header.lpData = reinterpret_cast<LPSTR>(&events_[first * kWordsPerEvent]);
      header.dwBufferLength = header.dwBytesRecorded =
          static_cast<DWORD>(std::min(kEventsPerBlock, count - first) * kWordsPerEvent * sizeof(DWORD));
      headers_.push_back(header);
    }
  }

  // Opens the stream and starts it; false when the system has no usable MIDI output.
  [[nodiscard]] bool start(std::uint16_t division) {
    UINT device = MIDI_MAPPER;
    if (midiStreamOpen(&stream_, &device, 1, reinterpret_cast<DWORD_PTR>(&onMessage), reinterpret_cast<DWORD_PTR>(this),
                       CALLBACK_FUNCTION) != MMSYSERR_NOERROR) {
      stream_ = nullptr;
      return false;
    }
    MIDIPROPTIMEDIV timeDivision{sizeof(MIDIPROPTIMEDIV), division};
    if (midiStreamProperty(stream_, reinterpret_cast<LPBYTE>(&timeDivision), MIDIPROP_SET | MIDIPROP_TIMEDIV) !=
        MMSYSERR_NOERROR)
      return false;
    for (MIDIHDR& h : headers_)
      if (midiOutPrepareHeader(out(), &h, sizeof h) != MMSYSERR_NOERROR) return false;
    std::lock_guard lock(mutex_);
    return queueAll() && midiStreamRestart(stream_) == MMSYSERR_NOERROR;
  }

  ~WinmmMidiPlayback() override {
    if (!stream_) return;
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    midiStreamStop(stream_);
    midiOutReset(out());
    {
      std::unique_lock lock(mutex_);
      allDone_.wait_for(lock, kStopWait, [this] { return queued_ == 0; });
    }
    for (MIDIHDR& h : headers_)
      if (h.dwFlags & MHDR_PREPARED) midiOutUnprepareHeader(out(), &h, sizeof h);
    midiStreamClose(stream_);
  }

 private:
  HMIDIOUT out() const { return reinterpret_cast<HMIDIOUT>(stream_); }

  // Called with mutex_ held.
  bool queueAll() {
    for (MIDIHDR& h : headers_) {
      if (midiStreamOut(stream_, &h, sizeof h) != MMSYSERR_NOERROR) return false;
      ++queued_;
    }
    return true;
  }

  // Runs on the MIDI output's callback thread. When the piece has played out, a looping one starts
  // over.
  static void CALLBACK onMessage(HMIDIOUT, UINT message, DWORD_PTR instance, DWORD_PTR, DWORD_PTR) {
    if (message != MOM_DONE) return;
    auto* self = reinterpret_cast<WinmmMidiPlayback*>(instance);
    {
      std::lock_guard lock(self->mutex_);
      if (--self->queued_ == 0 && self->loop_ && !self->stopping_) (void)self->queueAll();
    }
    self->allDone_.notify_all();
  }

  const bool loop_;
  std::vector<DWORD> events_;
  std::vector<MIDIHDR> headers_;
  HMIDISTRM stream_ = nullptr;
  std::mutex mutex_;
  std::condition_variable allDone_;
  int queued_ = 0;
  bool stopping_ = false;
};

}  // namespace

std::unique_ptr<MidiPlayback> WinmmMidiOutput::start(const MidiSequence& sequence, bool loop) {
  auto playback = std::make_unique<WinmmMidiPlayback>(sequence, loop);
  if (!playback->start(sequence.division)) return nullptr;
  return playback;
}
