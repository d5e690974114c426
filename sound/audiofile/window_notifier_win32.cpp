#include "sound/audiofile/window_notifier_win32.h"

#include <windows.h>

namespace audiofile {

void WindowNotifier::post(NotifyWindow window, int percent) {
  const HWND target = static_cast<HWND>(window);
  if (IsWindow(target)) PostMessageW(target, kProgressMessage, static_cast<WPARAM>(percent), 0);
}

}  // namespace audiofile
