#include "ui/window_table.h"

namespace {

std::optional<std::int32_t> doNothing(const EventArgs&) { return std::nullopt; }

std::optional<HandlerRoutine> resolve(std::uint32_t reference, std::span<const HandlerRoutine> handlers) {
  if (reference == kNoHandler) return HandlerRoutine{nullptr};
  if (reference >= handlers.size()) return std::nullopt;
  return handlers[reference] ? handlers[reference] : HandlerRoutine(doNothing);
}

bool resolveUnit(UnitTemplate& t, std::span<const HandlerRoutine> handlers) {
  if (t.typeWord == type_word::menu) {
    t.menuItem = readMenuItemRecord(t.record);
    const auto routine = t.menuItem ? resolve(t.menuItem->handler, handlers) : std::nullopt;
    if (!routine) return false;
    t.bindings.push_back({0, *routine});
    return true;
  }
  t.unit = readUnitRecord(t.record);
  if (!t.unit) return false;
  for (const EventBinding& b : t.unit->bindings) {
    const auto routine = resolve(b.handler, handlers);
    if (!routine) return false;
    t.bindings.push_back({b.event, *routine});
  }
  return true;
}

}  // namespace

const UnitTemplate* WindowTemplate::find(std::uint32_t unitId) const {
  if (unitId == 0) return units.empty() ? nullptr : &units.front();
  for (const UnitTemplate& u : units)
    if (u.id == unitId) return &u;
  return nullptr;
}

std::optional<WindowTable> WindowTable::read(std::string_view block, std::span<const HandlerRoutine> handlers) {
  auto entries = readBlock(block);
  if (!entries) return std::nullopt;
  WindowTable table;
  for (WindowEntry& e : *entries) {
    WindowTemplate w{e.id, e.classId, std::move(e.name), std::move(e.comment), {}};
    for (StoredUnit& s : e.units) {
      UnitTemplate t{s.id, recordTypeWord(s.record), std::move(s.record), {}, {}, {}};
      if (!resolveUnit(t, handlers)) return std::nullopt;
      w.units.push_back(std::move(t));
    }
    table.windows_.push_back(std::move(w));
  }
  return table;
}

const WindowTemplate* WindowTable::find(std::uint32_t windowId) const {
  for (const WindowTemplate& w : windows_)
    if (w.id == windowId) return &w;
  return nullptr;
}
