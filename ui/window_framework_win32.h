#pragma once
// The window framework as one object: the window table read from the block, the event router, the
// windows loaded from it and the hidden owner window. Handlers reach it through the reference
// their window's registration function was given (app/README.md); units reach it as their
// UnitHost. Nothing of it lives in file-scope state, so a test makes its own.
//
// Include order among the framework's files, which keeps them free of cycles:
//   window_framework -> loaded_window -> unit, window_table, event_router
//   window_framework -> message_loop -> loaded_window;  window_framework -> fatal_error
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "ui/event_router.h"
#include "ui/fatal_error_win32.h"
#include "ui/handles_win32.h"
#include "ui/unit_win32.h"

struct LoadedWindow;

class WindowFramework final : public UnitHost {
 public:
  // `ending` runs before a fatal error ends the process. Failing to make the hidden owner window
  // is fatal ("载入启动窗口失败").
  explicit WindowFramework(ProgramEnding ending = nullptr);
  ~WindowFramework();
  WindowFramework(const WindowFramework&) = delete;
  WindowFramework& operator=(const WindowFramework&) = delete;

  // Reads the block once into the window table; a block that does not read is a fatal error.
  void ReadTemplates(std::string_view block, std::span<const HandlerRoutine> handlers);
  const WindowTable& windowTable() const override { return table_; }

  // Raises an event of a unit through the router (the unit's window id and unit id).
  RaiseResult RaiseEvent(std::uint32_t windowId, std::uint32_t unitId, std::int32_t event,
                         std::initializer_list<std::int32_t> args = {}) {
    return raiseEvent(windowId, unitId, event, std::span<const std::int32_t>(args.begin(), args.size()));
  }
  RaiseResult raiseEvent(std::uint32_t windowId, std::uint32_t unitId, std::int32_t event,
                         std::span<const std::int32_t> args) override {
    return router_.raise(windowId, unitId, event, args);
  }
  void SuspendEvents() { router_.suspend(); }
  void ResumeEvents() { router_.resume(); }

  // Creates the window from its template, or brings it forward when it is open already. A non-modal
  // load with an owner that is no longer a window, or a unit that cannot be created, fails. A modal
  // load returns once the window is gone.
  bool LoadWindow(std::uint32_t windowId, HWND owner, bool modal = false);
  // The start window: failure is fatal ("载入启动窗口失败").
  void LoadStartWindow(std::uint32_t windowId);
  // Closes without asking the window (no "may close" event).
  void DestroyWindow(std::uint32_t windowId);

  // The created unit, or none when the window is not loaded or has no such unit.
  Unit* GetUnit(std::uint32_t windowId, std::uint32_t unitId) override;
  HWND GetWindowHandle(std::uint32_t windowId) const;
  // Property access on a missing unit is a fatal error.
  PropertyValue GetProperty(std::uint32_t windowId, std::uint32_t unitId, int index);
  void SetProperty(std::uint32_t windowId, std::uint32_t unitId, int index, const PropertyValue& value);

  // Shows a top-level menu item's entries as a pop-up menu at the mouse position.
  void PopupMenu(std::uint32_t windowId, std::uint32_t menuItemId);

  // A menu entry's check mark; every entry starts without one when its window is created. An entry
  // of a window that is not loaded reads as unchecked and ignores a change.
  bool MenuItemChecked(std::uint32_t windowId, std::uint32_t menuItemId) const;
  void SetMenuItemChecked(std::uint32_t windowId, std::uint32_t menuItemId, bool checked);

  // Number of loaded windows; the message loop ends when it comes back to zero.
  int LoadedWindowCount() const { return static_cast<int>(loaded_.size()); }

  // Stops all events for good, shows the error box and ends the program.
  [[noreturn]] void fail(std::string_view message);

 private:
  friend struct LoadedWindow;  // its window procedure forgets it on WM_NCDESTROY

  LoadedWindow* findLoaded(std::uint32_t windowId) const;
  // Frees what the window's units and the loader made; the window itself is gone already.
  void forget(const LoadedWindow* window);
  bool createUnits(LoadedWindow& w, HWND owner, bool modal, std::vector<bool>& visibleMarks);
  struct UnitCreation;
  bool createUnitsIn(UnitCreation& creation, std::size_t parent, int depth);
  bool createUnit(UnitCreation& creation, std::size_t i, HWND parent);
  bool stillLoaded(std::uint32_t windowId, HWND hwnd) const;
  HWND hiddenOwner();

  WindowTable table_;
  EventRouter router_;
  ProgramEnding ending_;
  // Owns the windows kept out of the task bar and the modal ones. Made when first needed: the
  // main window does without it, and each window made costs start-up time.
  OwnedWindow hiddenOwner_;
  // Installed once the first window has loaded: before that no unit raises focus events, and
  // under Wine a hook makes every message sent while the units are created cost more.
  OwnedHook focusHook_;
  std::vector<std::unique_ptr<LoadedWindow>> loaded_;
};
