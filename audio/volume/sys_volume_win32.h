#pragma once
// SysVolume (系统音量): the volume and the mute control of one line of mixer device 0, each opened
// with a mixer handle of its own. The mixer's change notices go to the component's own window; no
// handler of this program listens to them (the router takes no events of the sound engines), so
// the window lets them pass.
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <optional>
#include <string>

#include "audio/volume/master_volume.h"
#include "audio/volume/mixer_lines.h"
#include "ui/handles_win32.h"

class SysVolume final : public volume::MixerVolume {
 public:
  // What is known of an open control; minimum and maximum are read and kept, never applied.
  struct Control {
    HMIXER mixer = nullptr;
    DWORD id = 0;
    DWORD channels = 0;  // of the line; the mute control does not need it
    std::string name;    // GBK
    DWORD minimum = 0, maximum = 0;
  };

  SysVolume();
  ~SysVolume() override;
  SysVolume(const SysVolume&) = delete;
  SysVolume& operator=(const SysVolume&) = delete;

  // 1 both controls, 0 neither, −1 the mute control only, −2 the volume control only.
  int Open(int lineKind) override;
  // False when the volume control is not open or the mixer refuses the values.
  bool SetVolume(std::uint32_t first, std::uint32_t second) override;
  // 0 the volume control, 1 the mute control, any other value both; always true.
  bool Close(int which) override;

  const std::optional<Control>& volumeControl() const { return volume_; }
  const std::optional<Control>& muteControl() const { return mute_; }

 private:
  OwnedWindow window_;
  std::optional<Control> volume_, mute_;
};
