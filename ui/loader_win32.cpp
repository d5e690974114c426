#include "ui/loader_win32.h"

#include <algorithm>

#include "ui/fatal_error_win32.h"
#include "ui/format/cursor_field.h"
#include "ui/format/events.h"
#include "ui/format/type_words.h"
#include "ui/hidden_window_win32.h"
#include "ui/loaded_window_win32.h"
#include "ui/message_loop_win32.h"

namespace {

WindowTable table;
EventRouter router(table, [](std::string_view message) { FatalError(message); });
std::vector<std::unique_ptr<LoadedWindow>> loadedWindows;

constexpr char kNoSuchUnit[] = "指定窗口或窗口组件不存在或尚未载入";

bool isContainer(std::uint32_t typeWord) {
  return typeWord == type_word::Tab || typeWord == type_word::PicBox || typeWord == type_word::ShapeBox;
}

// Step 5: the window's own unit, then the others from the last record back, control ids from 100.
bool createUnits(LoadedWindow& w, HWND owner, bool modal, std::vector<bool>& visibleMarks) {
  const WindowTemplate& t = w.tmpl;
  const UnitRecord& own = *t.units.front().unit;
  w.units[0] = WindowUnit::create({own, t.id, t.units.front().id, owner, 0, 0, CLR_INVALID}, w.menus.bar.get(),
                                  topLevelWindowProc, modal, hiddenMessageWindow());
  if (!w.units[0]) return false;
  w.menus.bar.release();  // the window destroys its menu bar
  visibleMarks[0] = own.flags & unit_flag::visible;
  int controlId = 100;
  for (std::size_t i = t.units.size() - 1; i >= 1; --i) {
    const UnitTemplate& u = t.units[i];
    if (!u.unit) continue;
    const UnitType* type = findUnitType(u.typeWord);
    if (!type) return false;
    DWORD style = 0;
    if (type->visual) {
      if (u.unit->flags & unit_flag::disabled) style |= WS_DISABLED;
      if (u.unit->flags & unit_flag::tabStop) style |= WS_TABSTOP;
      visibleMarks[i] = u.unit->flags & unit_flag::visible;
    }
    w.units[i] = type->create({*u.unit, t.id, u.id, w.hwnd(), controlId, style, w.window().background()});
    controlId += 10;
    if (!w.units[i]) return false;
  }
  return true;
}

// Steps 6 and 7: each unit into its parent's window; stacking among siblings in record order.
void placeUnits(LoadedWindow& w, std::vector<bool>& visibleMarks) {
  const auto& units = w.tmpl.units;
  for (std::size_t i = 1; i < units.size(); ++i) {
    if (!units[i].unit || !w.units[i]->hwnd()) continue;
    const std::uint32_t parentId = units[i].unit->parentId;
    const int p = parentId ? w.indexOf(parentId) : 0;
    if (p < 0 || !w.units[p]->hwnd()) continue;
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

BOOL CALLBACK disableForModal(HWND other, LPARAM lp) {
  auto* w = reinterpret_cast<LoadedWindow*>(lp);
  if (other != w->hwnd() && other != hiddenMessageWindow() && IsWindowEnabled(other) && !GetParent(other)) {
    EnableWindow(other, FALSE);
    w->disabledByModal.push_back(other);
  }
  return TRUE;
}

bool stillLoaded(std::uint32_t windowId, HWND hwnd) {
  const LoadedWindow* w = findLoaded(windowId);
  return w && w->hwnd() == hwnd && IsWindow(hwnd);
}

}  // namespace

int LoadedWindow::indexOf(const Unit* unit) const {
  for (std::size_t i = 0; i < units.size(); ++i)
    if (units[i].get() == unit) return static_cast<int>(i);
  return -1;
}

int LoadedWindow::indexOf(std::uint32_t unitId) const {
  if (unitId == 0) return 0;
  for (std::size_t i = 0; i < tmpl.units.size(); ++i)
    if (tmpl.units[i].id == unitId) return static_cast<int>(i);
  return -1;
}

LoadedWindow* findLoaded(HWND topLevel) {
  for (auto& w : loadedWindows)
    if (w->hwnd() == topLevel) return w.get();
  return nullptr;
}

LoadedWindow* findLoaded(std::uint32_t windowId) {
  for (auto& w : loadedWindows)
    if (w->tmpl.id == windowId) return w.get();
  return nullptr;
}

void forgetLoaded(HWND topLevel) {
  std::erase_if(loadedWindows, [&](const auto& w) { return w->hwnd() == topLevel; });
}

void ReadTemplates(std::string_view block, std::span<const HandlerRoutine> handlers) {
  auto read = WindowTable::read(block, handlers);
  if (!read) FatalError("载入窗口模板数据段出错!");
  table = std::move(*read);
}

const WindowTable& windowTable() { return table; }
EventRouter& eventRouter() { return router; }

RaiseResult RaiseEvent(std::uint32_t windowId, std::uint32_t unitId, std::int32_t event,
                       std::initializer_list<std::int32_t> args) {
  return router.raise(windowId, unitId, event, args);
}
void SuspendEvents() { router.suspend(); }
void ResumeEvents() { router.resume(); }

bool LoadWindow(std::uint32_t windowId, HWND owner, bool modal) {
  const WindowTemplate* t = table.find(windowId);
  if (!t) return false;
  if (LoadedWindow* open = findLoaded(windowId); open && IsWindow(open->hwnd())) {
    if (IsIconic(open->hwnd())) ShowWindow(open->hwnd(), SW_RESTORE);
    else SetActiveWindow(open->hwnd());
    return true;
  }
  if (modal) owner = nullptr;
  else if (owner && !IsWindow(owner)) return false;

  watchFocusChanges();
  SuspendEvents();
  loadedWindows.push_back(std::make_unique<LoadedWindow>(*t));
  LoadedWindow& w = *loadedWindows.back();
  w.menus = buildMenus(*t);
  std::vector<bool> visibleMarks(t->units.size());
  if (!createUnits(w, owner, modal, visibleMarks)) {
    if (HWND hwnd = w.hwnd()) ::DestroyWindow(hwnd);  // its window procedure forgets it
    else forgetLoaded(nullptr);
    ResumeEvents();
    return false;
  }
  HWND hwnd = w.hwnd();
  placeUnits(w, visibleMarks);
  makeCursors(w);
  for (std::size_t i = w.units.size(); i-- > 0;)
    if (w.units[i]) w.units[i]->allUnitsCreated();
  for (std::size_t i = 1; i < w.units.size(); ++i)
    if (w.units[i] && w.units[i]->hwnd()) ShowWindow(w.units[i]->hwnd(), visibleMarks[i] ? SW_SHOWNA : SW_HIDE);
  ResumeEvents();

  RaiseEvent(windowId, 0, event::created);
  if (stillLoaded(windowId, hwnd)) RaiseEvent(windowId, 0, event::moved);
  if (stillLoaded(windowId, hwnd)) RaiseEvent(windowId, 0, event::resized);
  if (!stillLoaded(windowId, hwnd)) return true;
  w.movesRaiseEvents = true;
  if (visibleMarks[0]) ShowWindow(hwnd, SW_SHOW);
  if (modal) EnumThreadWindows(GetCurrentThreadId(), disableForModal, reinterpret_cast<LPARAM>(&w));

  HWND focus = GetFocus();
  for (std::size_t i = w.units.size(); i-- > 1;)
    if (w.units[i]) w.units[i]->loadingFinished();
  if (GetFocus() != focus && focus) SetFocus(focus);
  w.loaded = true;

  if (modal && visibleMarks[0]) {
    HWND ownerWindow = GetWindow(hwnd, GW_OWNER);
    if (ownerWindow && (GetWindowLongW(ownerWindow, GWL_EXSTYLE) & WS_EX_TOPMOST))
      SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RunMessageLoopWhile([&] { return stillLoaded(windowId, hwnd); });
  }
  return true;
}

void LoadStartWindow(std::uint32_t windowId) {
  if (!LoadWindow(windowId, nullptr, false)) FatalError("载入启动窗口失败");
}

void DestroyWindow(std::uint32_t windowId) {
  if (LoadedWindow* w = findLoaded(windowId)) ::DestroyWindow(w->hwnd());
}

Unit* GetUnit(std::uint32_t windowId, std::uint32_t unitId) {
  LoadedWindow* w = findLoaded(windowId);
  if (!w) return nullptr;
  const int i = w->indexOf(unitId);
  return i < 0 ? nullptr : w->units[i].get();
}

HWND GetWindowHandle(std::uint32_t windowId) {
  LoadedWindow* w = findLoaded(windowId);
  return w ? w->hwnd() : nullptr;
}

PropertyValue GetProperty(std::uint32_t windowId, std::uint32_t unitId, int index) {
  Unit* unit = GetUnit(windowId, unitId);
  if (!unit) FatalError(kNoSuchUnit);
  return unit->property(index).value_or(PropertyValue{0});
}

void SetProperty(std::uint32_t windowId, std::uint32_t unitId, int index, const PropertyValue& value) {
  Unit* unit = GetUnit(windowId, unitId);
  if (!unit) FatalError(kNoSuchUnit);
  unit->setProperty(index, value);
}

void PopupMenu(std::uint32_t windowId, std::uint32_t menuItemId) {
  LoadedWindow* w = findLoaded(windowId);
  HMENU popup = w ? w->menus.popupOf(menuItemId) : nullptr;
  if (!popup) return;
  POINT at;
  GetCursorPos(&at);
  SetForegroundWindow(w->hwnd());
  TrackPopupMenu(popup, TPM_RIGHTALIGN, at.x - 5, at.y - 5, 0, w->hwnd(), nullptr);
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageW(w->hwnd(), WM_NULL, 0, 0);
}

int LoadedWindowCount() { return static_cast<int>(loadedWindows.size()); }
