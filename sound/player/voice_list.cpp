#include "sound/player/voice_list.h"

#include <algorithm>

WaveVoice& VoiceList::add(std::unique_ptr<WaveVoice> voice) {
  std::lock_guard lock(mutex_);
  voices_.push_back({nextSerial_++, std::move(voice)});
  return *voices_.back().voice;
}

void VoiceList::remove(const WaveVoice& voice) {
  {
    std::lock_guard lock(mutex_);
    std::erase_if(voices_, [&](const Entry& e) { return e.voice.get() == &voice; });
  }
  removed_.notify_all();
}

void VoiceList::stopAll() {
  std::lock_guard lock(mutex_);
  for (Entry& e : voices_) e.voice->stop();
}

void VoiceList::stopAllAndWait() {
  std::unique_lock lock(mutex_);
  std::vector<std::uint64_t> noted;
  for (Entry& e : voices_) {
    noted.push_back(e.serial);
    e.voice->stop();
  }
  removed_.wait(lock, [&] { return std::none_of(noted.begin(), noted.end(), [&](auto s) { return holds(s); }); });
}

std::size_t VoiceList::size() const {
  std::lock_guard lock(mutex_);
  return voices_.size();
}

bool VoiceList::holds(std::uint64_t serial) const {
  return std::any_of(voices_.begin(), voices_.end(), [&](const Entry& e) { return e.serial == serial; });
}
