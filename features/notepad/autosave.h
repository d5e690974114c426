#pragma once
// When the notepad writes its text while the window stays open: a short pause after the last
// change, so a crash or power cut loses at most that moment of typing. Driven by the caller's clock
// (a window timer), so it is tested without one. A failed save is told to the user once, until a
// save succeeds again.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace notepad {

class Autosave {
 public:
  using Clock = std::chrono::steady_clock;
  // Writes the text; false when it could not be stored.
  using Save = std::function<bool()>;

  static constexpr std::chrono::milliseconds kPause{1000};

  explicit Autosave(Save save) : save_(std::move(save)) {}

  // The text of the edit box changed.
  void changed(Clock::time_point now) { lastChange_ = now; }

  // How long until the pending save is due: none when nothing is pending. The caller sets its timer
  // to this and calls tick() when it fires.
  std::optional<Clock::duration> untilDue(Clock::time_point now) const;

  // Saves when a change has rested for the pause. True when the user is to be told that saving
  // failed (the first failure after a success, or after the start).
  [[nodiscard]] bool tick(Clock::time_point now);

  // The window goes away: saves whether or not anything changed. True as for tick().
  [[nodiscard]] bool close();

 private:
  [[nodiscard]] bool saveNow();

  Save save_;
  std::optional<Clock::time_point> lastChange_;
  bool failureTold_ = false;
};

// The message box of a failed save, titled "提示：".
inline constexpr std::string_view kSaveFailedTitle = "提示：";
std::string saveFailedText(std::string_view settingsFilePath);

}  // namespace notepad
