#include "features/notepad/autosave.h"

namespace notepad {

std::optional<Autosave::Clock::duration> Autosave::untilDue(Clock::time_point now) const {
  if (!lastChange_) return std::nullopt;
  const Clock::time_point due = *lastChange_ + kPause;
  return due > now ? due - now : Clock::duration::zero();
}

bool Autosave::tick(Clock::time_point now) {
  const std::optional<Clock::duration> wait = untilDue(now);
  if (!wait || *wait > Clock::duration::zero()) return false;
  return saveNow();
}

bool Autosave::close() { return saveNow(); }

bool Autosave::saveNow() {
  lastChange_.reset();
  if (save_()) {
    failureTold_ = false;
    return false;
  }
  if (failureTold_) return false;
  failureTold_ = true;
  return true;
}

std::string saveFailedText(std::string_view settingsFilePath) {
  return "记事本的内容未能保存到：\r\n" + std::string(settingsFilePath) + "\r\n\r\n请检查该文件夹是否可以写入。";
}

}  // namespace notepad
