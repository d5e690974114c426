#pragma once
// The in-memory window table, read once from the template block at start-up. Records stay byte
// for byte as stored; their parsed fields and resolved handlers sit beside them.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/format/template_block.h"

// What a handler receives: the event's source, index and arguments.
struct EventArgs {
  std::uint32_t windowId = 0, unitId = 0;
  std::int32_t event = 0;
  std::span<const std::int32_t> args;
  std::int32_t arg(std::size_t i) const { return i < args.size() ? args[i] : 0; }
};

// A handler may return a value (a false one refuses a close, swallows a message, ...). Routines
// are bound to what they work on when the program's handler table is filled in.
using HandlerRoutine = std::function<std::optional<std::int32_t>(const EventArgs&)>;

struct ResolvedBinding {
  std::int32_t event = 0;
  HandlerRoutine handler;  // empty: the binding names no handler
};

struct UnitTemplate {
  std::uint32_t id = 0;
  std::uint32_t typeWord = 0;
  std::string record;
  std::optional<UnitRecord> unit;          // every type but menu
  std::optional<MenuItemRecord> menuItem;  // menu items
  std::vector<ResolvedBinding> bindings;   // a menu item's single click handler is its one binding
};

struct WindowTemplate {
  std::uint32_t id = 0, classId = 0;
  std::string name, comment;
  std::vector<UnitTemplate> units;  // record order; the window's own unit first
  // Unit id 0 names the window's own unit.
  const UnitTemplate* find(std::uint32_t unitId) const;
};

class WindowTable {
 public:
  // Handler reference r names handlers[r]; a null entry is a handler not yet written and resolves
  // to a routine that does nothing. A reference beyond the table makes the block unreadable.
  static std::optional<WindowTable> read(std::string_view block, std::span<const HandlerRoutine> handlers);

  const WindowTemplate* find(std::uint32_t windowId) const;
  const std::vector<WindowTemplate>& windows() const { return windows_; }

 private:
  std::vector<WindowTemplate> windows_;
};
