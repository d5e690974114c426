#pragma once
// The program's handler routines by handler reference, filled in by one registration function per
// window (app/README.md). A reference left empty is a handler not written yet: it does nothing.
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "ui/window_table.h"

class HandlerTable {
 public:
  explicit HandlerTable(std::size_t referenceCount) : routines_(referenceCount) {}

  template <class Reference>
  void set(Reference reference, HandlerRoutine routine) {
    routines_.at(static_cast<std::size_t>(reference)) = std::move(routine);
  }

  // A member function of a window's handler object; every routine bound this way shares the object.
  template <class Reference, class Handlers>
  void set(Reference reference, const std::shared_ptr<Handlers>& handlers,
           std::optional<std::int32_t> (Handlers::*routine)(const EventArgs&)) {
    set(reference, [handlers, routine](const EventArgs& e) { return ((*handlers).*routine)(e); });
  }

  std::span<const HandlerRoutine> routines() const { return routines_; }

 private:
  std::vector<HandlerRoutine> routines_;
};
