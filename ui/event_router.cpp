#include "ui/event_router.h"

bool typeRaisesEvents(std::uint32_t typeWord) {
  switch (typeWord) {
    case type_word::window:
    case type_word::menu:
    case type_word::EditBox:
    case type_word::PicBox:
    case type_word::ShapeBox:
    case type_word::Label:
    case type_word::Button:
    case type_word::CheckBox:
    case type_word::ComboBox:
    case type_word::Tab:
    case type_word::Timer:
    case type_word::PicBtn:
    case type_word::TransLabel:
    case type_word::LineChart: return true;
    default: return false;
  }
}

void EventRouter::fail(std::string_view message) {
  halt();
  if (fatal_) fatal_(message);
}

RaiseResult EventRouter::raise(std::uint32_t windowId, std::uint32_t unitId, std::int32_t event,
                               std::span<const std::int32_t> args) {
  if (suspended()) return {};
  const WindowTemplate* window = table_.find(windowId);
  if (!window) {
    fail("未找到引发事件的窗口");
    return {};
  }
  const UnitTemplate* unit = window->find(unitId);
  if (!unit) {
    fail("未找到引发事件的窗口组件");
    return {};
  }
  // Event sharing: follow the chain while it names a unit of the same type; a chain that comes
  // back on itself stops where it would repeat.
  for (std::size_t steps = 0; unit->unit && unit->unit->sharingUnitId != 0 && steps < window->units.size(); ++steps) {
    const UnitTemplate* shared = window->find(unit->unit->sharingUnitId);
    if (!shared || shared == unit || shared->typeWord != unit->typeWord) break;
    unit = shared;
  }
  if (!typeRaisesEvents(unit->typeWord)) {
    fail("引发事件的窗口组件无效");
    return {};
  }
  const HandlerRoutine* handler = nullptr;
  if (unit->typeWord == type_word::menu) {
    if (!unit->bindings.empty()) handler = &unit->bindings.front().handler;
  } else {
    for (const ResolvedBinding& b : unit->bindings)
      if (b.event == event) {
        handler = &b.handler;
        break;
      }
  }
  if (!handler || !*handler) return {};
  return {true, (*handler)(EventArgs{windowId, unitId, event, args})};
}
