#include "ui/skin/control_skin_win32.h"

#include <algorithm>
#include <utility>

#include "ui/skin/skinned_control_win32.h"
#include "ui/skin/window_kind_win32.h"
#include "ui/subclass_win32.h"

namespace {

// Frame, children, background and all, at once.
void repaintCompletely(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

BOOL CALLBACK skinChild(HWND window, LPARAM) {
  theControlSkin().skin(window);
  return TRUE;
}

// A top-level window and, recursively, every window inside it; then all of it repainted, since a
// window printing the controls beneath it (a transparent label) shows them too.
BOOL CALLBACK skinTree(HWND window, LPARAM) {
  theControlSkin().skin(window);
  EnumChildWindows(window, skinChild, 0);
  repaintCompletely(window);
  return TRUE;
}

BOOL CALLBACK repaintTree(HWND window, LPARAM) {
  repaintCompletely(window);
  return TRUE;
}

// Every window of the thread reaches the skin once its creation has been handled: its class,
// style and text are final then.
LRESULT CALLBACK created(int code, WPARAM wp, LPARAM lp) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lp);
  if (code == HC_ACTION && message->message == WM_CREATE && message->lResult != -1)
    theControlSkin().skin(message->hwnd);
  return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

ControlSkin::ControlSkin() = default;
ControlSkin::~ControlSkin() { switchOff(); }

bool ControlSkin::switchOn(int scheme) {
  switchOff();
  hook_.reset(SetWindowsHookExW(WH_CALLWNDPROCRET, created, nullptr, GetCurrentThreadId()));
  if (!hook_) return false;
  scheme_ = scheme;
  EnumThreadWindows(GetCurrentThreadId(), skinTree, 0);
  return true;
}

void ControlSkin::switchOff() {
  hook_.reset();
  scheme_ = 0;
  if (controls_.empty()) return;
  for (const auto& control : std::exchange(controls_, {})) detachSubclass<SkinnedControl>(control->hwnd());
  EnumThreadWindows(GetCurrentThreadId(), repaintTree, 0);
}

void ControlSkin::skin(HWND window) {
  if (scheme_ == 0 || isSkinned(window)) return;
  const skin::Kind kind = skinKindOf(window);
  if (kind == skin::Kind::none) return;
  auto control = std::make_unique<SkinnedControl>(*this, window, kind);
  if (!attachSubclass(window, *control)) return;
  controls_.push_back(std::move(control));
  repaintCompletely(window);
}

int schemeOf(const ControlSkin& skin) { return skin.scheme(); }

void forgetSkinned(ControlSkin& skin, const SkinnedControl* control) { skin.forget(control); }

void ControlSkin::forget(const SkinnedControl* control) {
  std::erase_if(controls_, [control](const auto& c) { return c.get() == control; });
}

bool ControlSkin::isSkinned(HWND window) const {
  return std::any_of(controls_.begin(), controls_.end(), [window](const auto& c) { return c->hwnd() == window; });
}

ControlSkin& theControlSkin() {
  static ControlSkin skin;
  return skin;
}

bool SetSkinScheme(int scheme) {
  if (scheme < 1 || scheme > 3) {
    theControlSkin().switchOff();
    return true;
  }
  return theControlSkin().switchOn(scheme);
}
