#pragma once
// Everything a player reaches outside itself: files, the decoder, the sound device and windows.
#include "sound/audiofile/file_reader.h"
#include "sound/audiofile/frame_source.h"
#include "sound/audiofile/progress_notifier.h"
#include "sound/device/wave_device.h"

namespace audiofile {

struct PlayerServices {
  FileReader& files;
  FrameSourceFactory& decoders;
  WaveOutDevice& output;
  ProgressNotifier& notifier;
};

}  // namespace audiofile
