#include "sound/audiofile/audio_file_slot.h"

#include <vector>

#include "sound/audiofile/file_list.h"

namespace audiofile {

void AudioFileSlot::play(std::optional<int> playCount, std::span<const std::string> names) {
  std::lock_guard lock(mutex_);
  player_.reset();
  const int count = playCount.value_or(1);
  if (count == 0) return;
  const std::string list = fileListFromNames(std::vector<std::string>(names.begin(), names.end()));
  if (list.size() == 1) return;  // no names, only the list's end
  player_.reset(CreatePlayer(services_, list.c_str(), count < 0 ? 0 : count));
  (void)Play(player_.get());
}

void AudioFileSlot::stop() {
  std::lock_guard lock(mutex_);
  player_.reset();
}

PlayerHandle AudioFileSlot::player() const {
  std::lock_guard lock(mutex_);
  return player_.get();
}

}  // namespace audiofile
