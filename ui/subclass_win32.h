#pragma once
// The one way an object is attached to a window: a handler put in front of the window's procedure
// with SetWindowSubclass, the object itself as the reference data. `T` has
//   LRESULT subclassedMessage(HWND, UINT, WPARAM, LPARAM);
// which sees every message first and passes on with DefSubclassProc. Each type is its own link in
// the chain (its own procedure), so several objects can sit on one window and leave in any order
// without restoring a procedure someone else has replaced since. The link goes by itself on
// WM_NCDESTROY, before the object sees that message, so the object may be freed afterwards.
#include <windows.h>
#include <commctrl.h>

namespace subclass_detail {

inline constexpr UINT_PTR kLinkId = 1;  // one link per type: the procedure tells the types apart

template <class T>
LRESULT CALLBACK procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &procedure<T>, kLinkId);
  return reinterpret_cast<T*>(data)->subclassedMessage(hwnd, msg, wp, lp);
}

}  // namespace subclass_detail

// Puts `target` in front of the window's procedure (or points the existing link of type T at it).
template <class T>
[[nodiscard]] bool attachSubclass(HWND hwnd, T& target) {
  return SetWindowSubclass(hwnd, &subclass_detail::procedure<T>, subclass_detail::kLinkId,
                           reinterpret_cast<DWORD_PTR>(&target)) != FALSE;
}

// Takes the link of type T out of the chain; nothing when there is none.
template <class T>
void detachSubclass(HWND hwnd) {
  RemoveWindowSubclass(hwnd, &subclass_detail::procedure<T>, subclass_detail::kLinkId);
}

// The object the link of type T on `hwnd` belongs to, or none.
template <class T>
T* subclassTarget(HWND hwnd) {
  DWORD_PTR data = 0;
  if (!hwnd || !GetWindowSubclass(hwnd, &subclass_detail::procedure<T>, subclass_detail::kLinkId, &data))
    return nullptr;
  return reinterpret_cast<T*>(data);
}
