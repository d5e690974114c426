#pragma once
// The lock tool's states and what each button does in them. The window is a view: it shows the
// message, rearranges itself into the lock screen or goes away as the returned step says. The
// password lives only in 配置.ini; every unlock try reads it afresh.
#include <optional>
#include <string>
#include <string_view>

namespace lock {

class PasswordStore {
 public:
  virtual ~PasswordStore() = default;
  [[nodiscard]] virtual bool write(std::string_view password) = 0;
  virtual std::string read() = 0;
};

enum class State { setting, locked, closed };

// What the window does after a button.
struct Step {
  enum class Action {
    none,          // stay as it is
    showMessage,   // a message box titled kMessageTitle with `text`
    becomeLocked,  // rearrange into the lock screen and start the cover timer
    showStatus,    // put `text` in the status line
    close,         // destroy the window
  } action = Action::none;
  std::string_view text = {};
  bool operator==(const Step&) const = default;
};

class LockTool {
 public:
  explicit LockTool(PasswordStore& store) : store_(store) {}

  State state() const { return state_; }

  // 按钮1: both entries as typed (byte comparison, so a trailing blank counts).
  Step confirm(std::string_view first, std::string_view second);
  // 按钮3: the entry as typed.
  Step tryUnlock(std::string_view typed);
  // 按钮2.
  Step cancel();
  // Close box, Alt+F4, system menu: never allowed, in any state.
  static bool closeRequestAllowed() { return false; }

 private:
  PasswordStore& store_;
  State state_ = State::setting;
};

}  // namespace lock
