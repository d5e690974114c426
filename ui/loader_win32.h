#pragma once
// The window loader: builds a window and its units from the window table, finds them again by id,
// forwards property access to them, and takes them down when the window closes.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/event_router.h"
#include "ui/unit_win32.h"

// Reads the block once into the window table; a block that does not read is a fatal error.
void ReadTemplates(std::string_view block, std::span<const HandlerRoutine> handlers);
const WindowTable& windowTable();
EventRouter& eventRouter();

// Raises an event of a unit through the router (the unit's window id and unit id).
RaiseResult RaiseEvent(std::uint32_t windowId, std::uint32_t unitId, std::int32_t event,
                       std::initializer_list<std::int32_t> args = {});
void SuspendEvents();
void ResumeEvents();

// Creates the window from its template, or brings it forward when it is open already. A non-modal
// load with an owner that is no longer a window, or a unit that cannot be created, fails.
bool LoadWindow(std::uint32_t windowId, HWND owner, bool modal = false);
// The start window: failure is fatal ("载入启动窗口失败").
void LoadStartWindow(std::uint32_t windowId);
// Closes without asking the window (no "may close" event).
void DestroyWindow(std::uint32_t windowId);

// The created unit, or none when the window is not loaded or has no such unit.
Unit* GetUnit(std::uint32_t windowId, std::uint32_t unitId);
HWND GetWindowHandle(std::uint32_t windowId);
// Property access on a missing unit is a fatal error.
PropertyValue GetProperty(std::uint32_t windowId, std::uint32_t unitId, int index);
void SetProperty(std::uint32_t windowId, std::uint32_t unitId, int index, const PropertyValue& value);

// Shows a top-level menu item's entries as a pop-up menu at the mouse position.
void PopupMenu(std::uint32_t windowId, std::uint32_t menuItemId);

// Number of loaded windows; the message loop ends when it comes back to zero.
int LoadedWindowCount();
