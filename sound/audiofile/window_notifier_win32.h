#pragma once
// Progress notices posted to a real window; a window closed meanwhile is passed over.
#include "sound/audiofile/progress_notifier.h"

namespace audiofile {

class WindowNotifier final : public ProgressNotifier {
 public:
  void post(NotifyWindow window, int percent) override;
};

}  // namespace audiofile
