#include "sound/audiofile/player.h"

#include <algorithm>

namespace audiofile {

Player::Player(const PlayerServices& services, std::vector<std::string> files, int playCount)
    : services_(services), files_(std::move(files)), passesLeft_(std::max(playCount, 0)) {
  worker_ = std::thread(&Player::serveEvents, this);
}

Player::~Player() {
  events_.quit();
  worker_.join();
  std::lock_guard lock(lock_);
  stopPipeline();
}

bool Player::newPlay(NotifyWindow window, std::string_view startText, double startPercent) {
  std::lock_guard lock(lock_);
  stopPipeline();
  // A player whose passes are spent has no worker left to move it on from file to file.
  if (startText.size() >= kStartTextLimit || files_.empty() || events_.quitting()) return false;
  return startCurrent(window, startText, startPercent);
}

PlayerState Player::state() const {
  std::lock_guard lock(lock_);
  return state_;
}

bool Player::setPaused(bool pause) {
  std::lock_guard lock(lock_);
  if (pause && state_ == PlayerState::playing) {
    pipeline_->pause();
    state_ = PlayerState::paused;
    return true;
  }
  if (!pause && state_ == PlayerState::paused) {
    pipeline_->resume();
    state_ = PlayerState::playing;
    return true;
  }
  return false;
}

void Player::serveEvents() {
  while (const std::optional<EndNotice> notice = events_.wait()) finishFile(*notice);
}

void Player::finishFile(EndNotice notice) {
  std::lock_guard lock(lock_);
  // A notice from a pipeline that was stopped meanwhile must not move the list on a second time.
  if (!pipeline_ || notice.pipeline != serial_) return;
  stopPipeline();
  if (window_) services_.notifier.post(window_, kFileFinished);
  if (!advance()) {
    events_.quit();
    return;
  }
  const std::string startText = startText_;
  (void)startCurrent(window_, startText, 0);
}

bool Player::advance() {
  if (++current_ < files_.size()) return true;
  current_ = 0;
  if (passesLeft_ == 0) return true;
  return --passesLeft_ > 0;
}

bool Player::startCurrent(NotifyWindow window, std::string_view startText, double startPercent) {
  pipeline_ = Pipeline::open(services_, files_[current_], startPercent, window, ++serial_,
                             [this](EndNotice notice) { events_.post(notice); });
  if (!pipeline_) {
    window_ = nullptr;
    startText_.clear();
    return false;
  }
  window_ = window;
  startText_ = startText;
  state_ = PlayerState::playing;
  return true;
}

void Player::stopPipeline() {
  pipeline_.reset();
  state_ = PlayerState::stopped;
}

}  // namespace audiofile
