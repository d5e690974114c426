#include "ui/window_framework_win32.h"

#include "ui/hidden_window_win32.h"
#include "ui/loaded_window_win32.h"
#include "ui/message_loop_win32.h"

namespace {
constexpr char kNoSuchUnit[] = "指定窗口或窗口组件不存在或尚未载入";
}

WindowFramework::WindowFramework(ProgramEnding ending)
    : router_(table_, [this](std::string_view message) { fail(message); }), ending_(ending) {}

WindowFramework::~WindowFramework() {
  // Windows still open (a test that ends early) go first, while their units can still be freed.
  while (!loaded_.empty()) {
    const LoadedWindow* last = loaded_.back().get();
    if (HWND hwnd = last->hwnd(); hwnd && IsWindow(hwnd)) ::DestroyWindow(hwnd);
    if (!loaded_.empty() && loaded_.back().get() == last) loaded_.pop_back();
  }
}

HWND WindowFramework::hiddenOwner() {
  if (!hiddenOwner_) hiddenOwner_ = createHiddenOwnerWindow();
  if (!hiddenOwner_) fail("载入启动窗口失败");
  return hiddenOwner_.get();
}

void WindowFramework::fail(std::string_view message) {
  router_.halt();  // no handler runs while the box is up, nor afterwards
  FatalError(message, ending_);
}

void WindowFramework::ReadTemplates(std::string_view block, std::span<const HandlerRoutine> handlers) {
  auto read = WindowTable::read(block, handlers);
  if (!read) fail("载入窗口模板数据段出错!");
  table_ = std::move(*read);
}

LoadedWindow* WindowFramework::findLoaded(std::uint32_t windowId) const {
  for (const auto& w : loaded_)
    if (w->tmpl.id == windowId) return w.get();
  return nullptr;
}

void WindowFramework::forget(const LoadedWindow* window) {
  std::erase_if(loaded_, [&](const auto& w) { return w.get() == window; });
}

bool WindowFramework::stillLoaded(std::uint32_t windowId, HWND hwnd) const {
  const LoadedWindow* w = findLoaded(windowId);
  return w && w->hwnd() == hwnd && IsWindow(hwnd);
}

void WindowFramework::LoadStartWindow(std::uint32_t windowId) {
  if (!LoadWindow(windowId, nullptr, false)) fail("载入启动窗口失败");
}

void WindowFramework::DestroyWindow(std::uint32_t windowId) {
  if (LoadedWindow* w = findLoaded(windowId)) ::DestroyWindow(w->hwnd());
}

Unit* WindowFramework::GetUnit(std::uint32_t windowId, std::uint32_t unitId) {
  LoadedWindow* w = findLoaded(windowId);
  if (!w) return nullptr;
  const int i = w->indexOf(unitId);
  return i < 0 ? nullptr : w->units[i].get();
}

HWND WindowFramework::GetWindowHandle(std::uint32_t windowId) const {
  const LoadedWindow* w = findLoaded(windowId);
  return w ? w->hwnd() : nullptr;
}

PropertyValue WindowFramework::GetProperty(std::uint32_t windowId, std::uint32_t unitId, int index) {
  Unit* unit = GetUnit(windowId, unitId);
  if (!unit) fail(kNoSuchUnit);
  return unit->property(index).value_or(PropertyValue{0});
}

void WindowFramework::SetProperty(std::uint32_t windowId, std::uint32_t unitId, int index, const PropertyValue& value) {
  Unit* unit = GetUnit(windowId, unitId);
  if (!unit) fail(kNoSuchUnit);
  unit->setProperty(index, value);
}

bool WindowFramework::MenuItemChecked(std::uint32_t windowId, std::uint32_t menuItemId) const {
  const LoadedWindow* w = findLoaded(windowId);
  const auto entry = w ? w->menus.entryOf(menuItemId) : std::nullopt;
  return entry && (GetMenuState(entry->first, entry->second, MF_BYCOMMAND) & MF_CHECKED);
}

void WindowFramework::SetMenuItemChecked(std::uint32_t windowId, std::uint32_t menuItemId, bool checked) {
  const LoadedWindow* w = findLoaded(windowId);
  const auto entry = w ? w->menus.entryOf(menuItemId) : std::nullopt;
  if (entry) CheckMenuItem(entry->first, entry->second, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void WindowFramework::PopupMenu(std::uint32_t windowId, std::uint32_t menuItemId) {
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
