#pragma once
// Progress notices to the window a caller named: message 0x8075 with the percent played in wParam
// and 0 in lParam. Worker threads only ever post them.
#include <cstdint>

namespace audiofile {

using NotifyWindow = void*;  // a window handle, or null for none
inline constexpr unsigned kProgressMessage = 0x8075;
inline constexpr int kFileFinished = 100;

class ProgressNotifier {
 public:
  virtual ~ProgressNotifier() = default;
  // Posts `percent` to the window if it still exists; never waits for it.
  virtual void post(NotifyWindow window, int percent) = 0;
};

}  // namespace audiofile
