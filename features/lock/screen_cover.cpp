#include "features/lock/screen_cover.h"

namespace lock {

ScreenRect coverRectangle(const ScreenMetrics& metrics) {
  if (metrics.virtualScreen.width > 0 && metrics.virtualScreen.height > 0) return metrics.virtualScreen;
  return {0, 0, metrics.primaryWidth, metrics.primaryHeight};
}

bool needsCovering(const WindowStanding& standing, const ScreenRect& cover) {
  return standing.rect != cover || !standing.topmost || standing.windowAbove;
}

}  // namespace lock
