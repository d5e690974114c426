#pragma once
// One audio-file player: a list of files played in order a number of times, a worker thread that
// moves on from file to file as each one ends, and the pipeline of the file now playing.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "sound/audiofile/event_queue.h"
#include "sound/audiofile/pipeline.h"
#include "sound/audiofile/player_services.h"

namespace audiofile {

enum class PlayerState : int { paused = 1, playing = 2, stopped = 3 };

// A start text this long or longer starts nothing.
inline constexpr std::size_t kStartTextLimit = 512;

class Player {
 public:
  // playCount: how many times the list plays; 0 (or below) repeats it until the player goes.
  Player(const PlayerServices& services, std::vector<std::string> files, int playCount);
  // Ends the worker first, so nothing starts another file, then the file now playing.
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // Stops what plays, then plays the current file from `startPercent`, telling `window` (if any) the
  // progress. False when nothing started: the start text is too long, the list is empty or spent,
  // or the file could not be played.
  [[nodiscard]] bool newPlay(NotifyWindow window, std::string_view startText, double startPercent);
  // newPlay with no window, no start text, from the beginning.
  [[nodiscard]] bool play() { return newPlay(nullptr, {}, 0); }
  [[nodiscard]] PlayerState state() const;
  // Pauses a playing player or resumes a paused one; false (and no change) in any other state.
  [[nodiscard]] bool setPaused(bool pause);

 private:
  void serveEvents();
  void finishFile(EndNotice notice);
  // These three run under lock_.
  [[nodiscard]] bool startCurrent(NotifyWindow window, std::string_view startText, double startPercent);
  void stopPipeline();
  // Moves to the next file; false when that ends the last pass.
  [[nodiscard]] bool advance();

  const PlayerServices services_;
  const std::vector<std::string> files_;
  EventQueue events_;
  mutable std::mutex lock_;
  std::size_t current_ = 0;
  int passesLeft_;
  PlayerState state_ = PlayerState::stopped;
  NotifyWindow window_ = nullptr;
  std::string startText_;  // kept for the files that follow; its meaning is the caller's
  std::uint64_t serial_ = 0;
  std::unique_ptr<Pipeline> pipeline_;
  std::thread worker_;
};

}  // namespace audiofile
