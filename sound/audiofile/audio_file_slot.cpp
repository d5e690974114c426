#include "sound/audiofile/audio_file_slot.h"

#include <vector>

namespace audiofile {

void AudioFileSlot::play(std::optional<int> playCount, std::span<const std::string> names) {
  std::lock_guard lock(mutex_);
  player_.reset();
  const int count = playCount.value_or(1);
  if (count == 0) return;
  std::vector<std::string> files;
  for (const std::string& name : names) {
    std::string file(name.c_str());  // a name ends at its first zero byte, as the system's texts do
    if (!file.empty()) files.push_back(std::move(file));
  }
  if (files.empty()) return;
  player_ = std::make_unique<Player>(services_, std::move(files), count < 0 ? 0 : count);
  (void)player_->play();
}

void AudioFileSlot::stop() {
  std::lock_guard lock(mutex_);
  player_.reset();
}

Player* AudioFileSlot::player() const {
  std::lock_guard lock(mutex_);
  return player_.get();
}

}  // namespace audiofile
