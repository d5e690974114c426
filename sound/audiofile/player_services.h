#pragma once
// Everything a player reaches outside itself: files, the decoder, the sound device and windows.
#include "sound/audiofile/audio_output.h"
#include "sound/audiofile/file_reader.h"
#include "sound/audiofile/frame_source.h"
#include "sound/audiofile/progress_notifier.h"

namespace audiofile {

struct PlayerServices {
  FileReader& files;
  FrameSourceFactory& decoders;
  AudioOutputDevice& output;
  ProgressNotifier& notifier;
};

}  // namespace audiofile
