#include "features/lock/lock_tool.h"

#include "features/lock/lock_texts.h"

namespace lock {

Step LockTool::confirm(std::string_view first, std::string_view second) {
  if (state_ != State::setting) return {};
  if (first.empty()) return {Step::Action::showMessage, kNoPasswordText};
  if (first != second) return {Step::Action::showMessage, kMismatchText};
  // Locking with a password the file does not hold would open to whatever the file gives back
  // (an empty entry, when it cannot be written), so the password is read back before locking.
  if (!store_.write(first)) return {Step::Action::showMessage, kNotStoredText};
  if (store_.read() != first) return {Step::Action::showMessage, kNotKeptText};
  state_ = State::locked;
  return {Step::Action::becomeLocked};
}

Step LockTool::tryUnlock(std::string_view typed) {
  if (state_ != State::locked) return {};
  if (store_.read() != typed) return {Step::Action::showStatus, kWrongPasswordStatus};
  state_ = State::closed;
  return {Step::Action::close};
}

Step LockTool::cancel() {
  if (state_ != State::setting) return {};
  state_ = State::closed;
  return {Step::Action::close};
}

}  // namespace lock
