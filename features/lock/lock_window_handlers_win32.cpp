#include "features/lock/lock_window_handlers_win32.h"

#include <optional>
#include <string>

#include "assets/windows/handlers.h"
#include "assets/windows/lock_window_ids.h"
#include "features/lock/lock_screen_win32.h"
#include "features/lock/lock_texts.h"
#include "features/lock/lock_tool.h"
#include "features/lock/settings_password_store.h"
#include "ui/skin/control_skin_win32.h"
#include "ui/types/unit_types_win32.h"
#include "ui/message_box_win32.h"
#include "ui/window_helpers_win32.h"

namespace {

using namespace lock_window;

constexpr std::int32_t kPasswordInput = 2;

class LockWindowHandlers {
 public:
  LockWindowHandlers(WindowFramework& windows, const SettingsFile& settings) : windows_(windows), store_(settings) {}

  // Every opening starts in the setting state.
  std::optional<std::int32_t> created(const EventArgs&) {
    (void)SetSkinScheme(2);
    tool_.emplace(store_);
    return std::nullopt;
  }

  std::optional<std::int32_t> refuseClosing(const EventArgs&) {
    return std::int32_t{lock::LockTool::closeRequestAllowed()};
  }

  std::optional<std::int32_t> setPasswordAndLock(const EventArgs&) {
    return follow(tool().confirm(text(编辑框1), text(编辑框2)));
  }
  std::optional<std::int32_t> cancel(const EventArgs&) { return follow(tool().cancel()); }
  std::optional<std::int32_t> unlock(const EventArgs&) { return follow(tool().tryUnlock(text(编辑框1))); }

  // 时钟1 runs only once locked.
  std::optional<std::int32_t> keepInPlace(const EventArgs&) {
    coverScreen(windows_.GetWindowHandle(kWindowId));
    return std::nullopt;
  }

 private:
  lock::LockTool& tool() {
    if (!tool_) tool_.emplace(store_);
    return *tool_;
  }

  std::string text(lock_window::Unit edit) const {
    return std::get<std::string>(windows_.GetProperty(kWindowId, edit, edit_box_property::text));
  }

  std::optional<std::int32_t> follow(const lock::Step& step) {
    using Action = lock::Step::Action;
    switch (step.action) {
      case Action::showMessage: showMessageBox(step.text, lock::kMessageTitle); break;
      case Action::becomeLocked: becomeLockScreen(); break;
      case Action::showStatus:
        windows_.SetProperty(kWindowId, 透明标签3, label_property::caption, std::string(step.text));
        break;
      case Action::close: windows_.DestroyWindow(kWindowId); break;
      case Action::none: break;
    }
    return std::nullopt;
  }

  // The set-password dialog rearranged in place into the lock screen, in this order.
  void becomeLockScreen() {
    removeWindowBorder(windows_.GetWindowHandle(kWindowId));
    windows_.SetProperty(kWindowId, 透明标签1, label_property::caption, std::string(lock::kUnlockPrompt));
    windows_.SetProperty(kWindowId, 编辑框1, edit_box_property::text, std::string());
    for (lock_window::Unit hidden : {编辑框2, 透明标签2, 按钮1, 按钮2})
      windows_.SetProperty(kWindowId, hidden, common_property::visible, std::int32_t{0});
    windows_.SetProperty(kWindowId, 按钮3, common_property::visible, std::int32_t{1});
    windows_.SetProperty(kWindowId, 编辑框1, edit_box_property::inputMode, kPasswordInput);
    windows_.SetProperty(kWindowId, 透明标签3, label_property::caption, std::string(lock::kLockedStatus));
    windows_.SetProperty(kWindowId, 时钟1, timer_property::interval, std::int32_t{lock::kCoverTimerMilliseconds});
  }

  WindowFramework& windows_;
  lock::SettingsPasswordStore store_;
  std::optional<lock::LockTool> tool_;
};

}  // namespace

void registerLockWindowHandlers(HandlerTable& table, WindowFramework& windows, const SettingsFile& settings) {
  const auto handlers = std::make_shared<LockWindowHandlers>(windows, settings);
  using H = LockWindowHandlers;
  table.set(Handler::startLockWindow, handlers, &H::created);
  table.set(Handler::refuseClosingLockWindow, handlers, &H::refuseClosing);
  table.set(Handler::setPasswordAndLock, handlers, &H::setPasswordAndLock);
  table.set(Handler::closeLockWindow, handlers, &H::cancel);
  table.set(Handler::unlock, handlers, &H::unlock);
  table.set(Handler::keepLockScreenInPlace, handlers, &H::keepInPlace);
}
