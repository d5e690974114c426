// Loading a window from its template: the window's own unit, then the others, placed into their
// parents and stacked, their cursors, and the created, moved and resized events before it shows.
#include <algorithm>

#include "ui/format/cursor_field.h"
#include "ui/format/events.h"
#include "ui/format/type_words.h"
#include "ui/loaded_window_win32.h"
#include "ui/message_loop_win32.h"
#include "ui/subclass_win32.h"
#include "ui/window_framework_win32.h"

namespace {

bool isContainer(std::uint32_t typeWord) {
  return typeWord == type_word::Tab || typeWord == type_word::PicBox || typeWord == type_word::ShapeBox;
}

// Each unit into its parent's window, hidden when it sits on a container's page other than the
// first; then stacking among siblings in record order. A unit already in its place, as its
// creation leaves it, is left alone: under Wine each SetParent costs a few milliseconds and each
// SetWindowPos one.
void placeUnits(LoadedWindow& w, std::vector<bool>& visibleMarks) {
  const auto& units = w.tmpl.units;
  for (std::size_t i = 1; i < units.size(); ++i) {
    if (!units[i].unit || !w.units[i]->hwnd()) continue;
    const std::uint32_t parentId = units[i].unit->parentId;
    const int p = parentId ? w.indexOf(parentId) : 0;
    if (p < 0 || !w.units[p]->hwnd()) continue;
    if (GetAncestor(w.units[i]->hwnd(), GA_PARENT) != w.units[p]->hwnd())
      SetParent(w.units[i]->hwnd(), w.units[p]->hwnd());
    if (p > 0 && isContainer(units[p].typeWord)) {
      const auto& children = units[p].unit->children;
      const auto separator = std::find(children.begin(), children.end(), 0u);
      if (std::find(separator, children.end(), units[i].id) != children.end()) visibleMarks[i] = false;
    }
  }
  for (std::size_t i = 1; i < units.size(); ++i) {
    if (!units[i].unit || !w.units[i]->hwnd()) continue;
    HWND above = HWND_TOP;
    for (std::size_t j = i - 1; j >= 1; --j)
      if (units[j].unit && w.units[j]->hwnd() && units[j].unit->parentId == units[i].unit->parentId) {
        above = w.units[j]->hwnd();
        break;
      }
    if (GetWindow(w.units[i]->hwnd(), GW_HWNDPREV) != (above == HWND_TOP ? nullptr : above))
      SetWindowPos(w.units[i]->hwnd(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void makeCursors(LoadedWindow& w) {
  for (std::size_t i = 0; i < w.tmpl.units.size(); ++i) {
    if (!w.tmpl.units[i].unit) continue;
    w.cursors[i] = cursorFromField(w.tmpl.units[i].unit->cursor);
    w.units[i]->cursorValue = static_cast<std::int32_t>(readCursorField(w.tmpl.units[i].unit->cursor).systemCursor);
  }
}

struct ModalDisabling {
  LoadedWindow& window;
  HWND hiddenOwner;
};

BOOL CALLBACK disableForModal(HWND other, LPARAM lp) {
  auto* m = reinterpret_cast<ModalDisabling*>(lp);
  if (other != m->window.hwnd() && other != m->hiddenOwner && IsWindowEnabled(other) && !GetParent(other)) {
    EnableWindow(other, FALSE);
    m->window.disabledByModal.push_back(other);
  }
  return TRUE;
}

}  // namespace

constexpr int kDeepestNesting = 32;

// What creating a window's units needs to know as it goes.
struct WindowFramework::UnitCreation {
  LoadedWindow& window;
  std::vector<int> controlIds;
  std::vector<bool>& visibleMarks;
  std::vector<std::vector<std::size_t>> children;  // by parent, the window's at 0, in record order
};

// The window's own unit, then the units inside it: each unit followed by those inside it, siblings
// in record order. So every unit is created in its parent, and since each new child window goes
// below its siblings, they come out stacked as their records are. Units never reached, their
// parent chain looping back or nesting deeper than any window needs, are created in the window at
// the end and moved when the units are placed. Control ids are given from 100, from the last record
// back.
bool WindowFramework::createUnits(LoadedWindow& w, HWND owner, bool modal, std::vector<bool>& visibleMarks) {
  const WindowTemplate& t = w.tmpl;
  const UnitRecord& own = *t.units.front().unit;
  w.units[0] = WindowUnit::create({*this, own, t.id, t.units.front().id, owner, 0, 0, CLR_INVALID}, w.menus.bar.get(),
                                  modal, [this] { return hiddenOwner(); });
  if (!w.units[0]) return false;
  w.menus.bar.release();  // the window destroys its menu bar
  if (!attachSubclass(w.hwnd(), w)) return false;
  visibleMarks[0] = own.flags & unit_flag::visible;
  UnitCreation creation{w, std::vector<int>(t.units.size()), visibleMarks,
                        std::vector<std::vector<std::size_t>>(t.units.size())};
  int controlId = 100;
  for (std::size_t i = t.units.size() - 1; i >= 1; --i)
    if (t.units[i].unit) {
      creation.controlIds[i] = controlId;
      controlId += 10;
    }
  for (std::size_t i = 1; i < t.units.size(); ++i)
    if (t.units[i].unit) {
      const int p = t.units[i].unit->parentId ? w.indexOf(t.units[i].unit->parentId) : 0;
      creation.children[p > 0 ? static_cast<std::size_t>(p) : 0].push_back(i);
    }
  if (!createUnitsIn(creation, 0, 0)) return false;
  for (std::size_t i = 1; i < t.units.size(); ++i)
    if (t.units[i].unit && !w.units[i] && !createUnit(creation, i, w.hwnd())) return false;
  return true;
}

bool WindowFramework::createUnitsIn(UnitCreation& creation, std::size_t parent, int depth) {
  LoadedWindow& w = creation.window;
  HWND parentWindow = w.units[parent] && w.units[parent]->hwnd() ? w.units[parent]->hwnd() : w.hwnd();
  for (const std::size_t i : creation.children[parent]) {
    if (!createUnit(creation, i, parentWindow)) return false;
    if (depth < kDeepestNesting && !createUnitsIn(creation, i, depth + 1)) return false;
  }
  return true;
}

bool WindowFramework::createUnit(UnitCreation& creation, std::size_t i, HWND parent) {
  LoadedWindow& w = creation.window;
  const UnitTemplate& u = w.tmpl.units[i];
  const UnitType* type = findUnitType(u.typeWord);
  if (!type) return false;
  DWORD style = 0;
  if (type->visual) {
    if (u.unit->flags & unit_flag::disabled) style |= WS_DISABLED;
    if (u.unit->flags & unit_flag::tabStop) style |= WS_TABSTOP;
    creation.visibleMarks[i] = u.unit->flags & unit_flag::visible;
  }
  w.units[i] =
      type->create({*this, *u.unit, w.tmpl.id, u.id, parent, creation.controlIds[i], style, w.window().background()});
  return w.units[i] != nullptr;
}

bool WindowFramework::LoadWindow(std::uint32_t windowId, HWND owner, bool modal) {
  const WindowTemplate* t = table_.find(windowId);
  if (!t) return false;
  if (LoadedWindow* open = findLoaded(windowId); open && IsWindow(open->hwnd())) {
    if (IsIconic(open->hwnd()))
      ShowWindow(open->hwnd(), SW_RESTORE);
    else
      SetActiveWindow(open->hwnd());
    return true;
  }
  if (modal)
    owner = nullptr;
  else if (owner && !IsWindow(owner))
    return false;

  SuspendEvents();
  loaded_.push_back(std::make_unique<LoadedWindow>(*this, *t));
  LoadedWindow& w = *loaded_.back();
  w.menus = buildMenus(*t);
  std::vector<bool> visibleMarks(t->units.size());
  if (!createUnits(w, owner, modal, visibleMarks)) {
    HWND hwnd = w.hwnd();
    if (hwnd && loadedWindowOf(hwnd))
      ::DestroyWindow(hwnd);  // its window procedure forgets it
    else {
      if (hwnd) ::DestroyWindow(hwnd);
      forget(&w);
    }
    ResumeEvents();
    return false;
  }
  HWND hwnd = w.hwnd();
  placeUnits(w, visibleMarks);
  makeCursors(w);
  for (std::size_t i = 1; i < w.units.size(); ++i)
    if (w.units[i] && w.units[i]->hwnd()) ShowWindow(w.units[i]->hwnd(), visibleMarks[i] ? SW_SHOWNA : SW_HIDE);
  ResumeEvents();

  RaiseEvent(windowId, 0, event::created);
  if (stillLoaded(windowId, hwnd)) RaiseEvent(windowId, 0, event::moved);
  if (stillLoaded(windowId, hwnd)) RaiseEvent(windowId, 0, event::resized);
  if (!stillLoaded(windowId, hwnd)) return true;
  w.movesRaiseEvents = true;
  if (visibleMarks[0]) ShowWindow(hwnd, SW_SHOW);
  if (modal) {
    ModalDisabling disabling{w, hiddenOwner_.get()};
    EnumThreadWindows(GetCurrentThreadId(), disableForModal, reinterpret_cast<LPARAM>(&disabling));
  }

  w.loaded = true;
  if (!focusHook_) focusHook_ = watchFocusChanges();

  if (modal && visibleMarks[0]) {
    HWND ownerWindow = GetWindow(hwnd, GW_OWNER);
    if (ownerWindow && (GetWindowLongW(ownerWindow, GWL_EXSTYLE) & WS_EX_TOPMOST))
      SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RunMessageLoopWhile([&] { return stillLoaded(windowId, hwnd); });
  }
  return true;
}
