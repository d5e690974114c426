#pragma once
// The one place where the application keeps its audio-file player: starting a file removes the
// player before it, so two files never sound together, and stopping all sound empties it.
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>

#include "sound/audiofile/player.h"

namespace audiofile {

class AudioFileSlot {
 public:
  explicit AudioFileSlot(const PlayerServices& services) : services_(services) {}
  ~AudioFileSlot() { stop(); }
  AudioFileSlot(const AudioFileSlot&) = delete;
  AudioFileSlot& operator=(const AudioFileSlot&) = delete;

  // Removes the player in the slot, then plays `names` (empty ones left out) `playCount` times:
  // none given is once, 0 plays nothing, below 0 repeats until stopped. Returns at once.
  void play(std::optional<int> playCount, std::span<const std::string> names);
  // Removes the player in the slot, if any.
  void stop();
  // The player in the slot, or null; for looking at its state.
  [[nodiscard]] Player* player() const;

 private:
  const PlayerServices services_;
  mutable std::mutex mutex_;
  std::unique_ptr<Player> player_;
};

}  // namespace audiofile
