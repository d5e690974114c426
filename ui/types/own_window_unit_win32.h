#pragma once
// A unit drawn by a window class of its own. The class has the system's default procedure; the
// unit sits in front of it like every other unit (Unit::attach) and handles what it draws.
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
      case WM_PRINTCLIENT: paint(reinterpret_cast<HDC>(wp)); return 0;
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        paint(dc);
        EndPaint(hwnd_, &ps);
        return 0;
      }
      case WM_ERASEBKGND: return 1;
      default: return passToNextProcedure(hwnd_, msg, wp, lp);
    }
  }

 private:
  LRESULT subclassedMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) final;
};
