#pragma once
// The one way an object is attached to a window: a handler put in front of the window's procedure,
// the object itself as the reference data. `T` has
//   LRESULT subclassedMessage(HWND, UINT, WPARAM, LPARAM);
// which sees every message first and hands it on with passToNextProcedure. Each type is its own
// link in the chain (its own procedure), so several objects can sit on one window and leave in any
// order without restoring a procedure someone else has put in front since. The link goes by itself
// on WM_NCDESTROY, before the object sees that message, so the object may be freed afterwards.
//
// The chain is the program's own rather than comctl32's SetWindowSubclass: it works the same way,
// but keeps the program from loading comctl32 at start, whose set-up alone costs more than showing
// a window does under Wine.
#include <windows.h>

namespace subclass_detail {

using LinkProcedure = LRESULT (*)(HWND, UINT, WPARAM, LPARAM, void* data);

// Puts the link in front of the window's handlers, or points the one already there at `data`.
bool setLink(HWND hwnd, LinkProcedure procedure, void* data);
void removeLink(HWND hwnd, LinkProcedure procedure);
// The data of the window's link, or none.
void* linkData(HWND hwnd, LinkProcedure procedure);

template <class T>
LRESULT procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, void* data) {
  if (msg == WM_NCDESTROY) removeLink(hwnd, &procedure<T>);
  return static_cast<T*>(data)->subclassedMessage(hwnd, msg, wp, lp);
}

}  // namespace subclass_detail

// Inside a handler: gives the message to the next handler in the window's chain, and after the last
// one to the procedure the window had before the chain.
LRESULT passToNextProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Puts `target` in front of the window's procedure (or points the existing link of type T at it).
template <class T>
[[nodiscard]] bool attachSubclass(HWND hwnd, T& target) {
  return subclass_detail::setLink(hwnd, &subclass_detail::procedure<T>, &target);
}

// Takes the link of type T out of the chain; nothing when there is none.
template <class T>
void detachSubclass(HWND hwnd) {
  subclass_detail::removeLink(hwnd, &subclass_detail::procedure<T>);
}

// The object the link of type T on `hwnd` belongs to, or none.
template <class T>
T* subclassTarget(HWND hwnd) {
  return static_cast<T*>(subclass_detail::linkData(hwnd, &subclass_detail::procedure<T>));
}
