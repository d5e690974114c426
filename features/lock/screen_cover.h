#pragma once
// Where the locked window must be at each tick of 时钟1, and whether it has to be moved there.
namespace lock {

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ScreenRect&) const = default;
};

// The system's screen metrics: the virtual screen spans every monitor; the primary screen is what
// a system without the virtual-screen metrics reports (they read 0 there).
struct ScreenMetrics {
  ScreenRect virtualScreen;
  int primaryWidth = 0, primaryHeight = 0;
};

// The whole virtual screen, so no second monitor stays usable; the primary screen at (0, 0) when
// the virtual screen is not known.
ScreenRect coverRectangle(const ScreenMetrics& metrics);

// The window as it stands: its rectangle, its always-on-top state, and whether any visible window
// lies above it.
struct WindowStanding {
  ScreenRect rect;
  bool topmost = false;
  bool windowAbove = false;
};

// A move each millisecond costs a core: it is made only when the window has lost its place, its
// size, its topmost state or its place at the top.
bool needsCovering(const WindowStanding& standing, const ScreenRect& cover);

}  // namespace lock
