#pragma once
// A unit drawn by a window class of its own: one window procedure finds the unit object, which
// was handed over at creation, and lets it handle the message.
#include "ui/unit_win32.h"

class OwnWindowUnit : public Unit {
 protected:
  using Unit::Unit;
  // A hidden child window of the unit's rectangle; the loader shows it later.
  bool createWindow(const UnitContext& c, const wchar_t* className, DWORD style, UINT classStyle = 0);
  // The unit paints its whole client area; WM_PAINT and WM_PRINTCLIENT share this one path.
  virtual void paint(HDC dc) = 0;
  virtual LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wp));
        return 0;
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        paint(dc);
        EndPaint(hwnd_, &ps);
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;
      default:
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }
  }

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};
