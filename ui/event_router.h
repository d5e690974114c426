#pragma once
// Finds the handler bound to an event of a unit and calls it. Events raised while the router is
// suspended are dropped, not queued; a fatal error suspends it for good.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "ui/window_table.h"

struct RaiseResult {
  bool handled = false;
  std::optional<std::int32_t> returned;  // the return slot
};

class EventRouter {
 public:
  using FatalError = std::function<void(std::string_view message)>;
  EventRouter(const WindowTable& table, FatalError fatal) : table_(table), fatal_(std::move(fatal)) {}

  RaiseResult raise(std::uint32_t windowId, std::uint32_t unitId, std::int32_t event,
                    std::span<const std::int32_t> args = {});
  RaiseResult raise(std::uint32_t windowId, std::uint32_t unitId, std::int32_t event,
                    std::initializer_list<std::int32_t> args) {
    return raise(windowId, unitId, event, std::span<const std::int32_t>(args.begin(), args.size()));
  }

  void suspend() { ++suspended_; }
  void resume() {
    if (suspended_ > 0) --suspended_;
  }
  bool suspended() const { return suspended_ > 0 || failed_; }

  // Reports a fatal error: events stay suspended from now on.
  void fail(std::string_view message);
  // Stops all events for good, as a fatal error does.
  void halt() { failed_ = true; }

 private:
  const WindowTable& table_;
  FatalError fatal_;
  int suspended_ = 0;
  bool failed_ = false;  // no resume undoes a fatal error
};

// Types whose units raise events; the engines behind the non-visual sound units and the file
// dialogs raise none.
bool typeRaisesEvents(std::uint32_t typeWord);
