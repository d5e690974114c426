#include "soundboard/audio_window/volume_knob_handlers_win32.h"

#include "assets/windows/audio_window_ids.h"
#include "assets/windows/handlers.h"
#include "audio/volume/endpoint_volume_win32.h"
#include "audio/volume/sys_volume_win32.h"
#include "audio/volume/volume_knob.h"
#include "ui/message_box_win32.h"
#include "ui/message_loop_win32.h"

namespace {

using namespace audio_window;

class VolumeKnobHandlers {
 public:
  explicit VolumeKnobHandlers(WindowFramework& windows) : windows_(windows) {}

  // The drag starts from where the knob is shown, which a reopened window puts back at its start.
  std::optional<std::int32_t> press(const EventArgs& e) {
    const ::Unit* unit = windows_.GetUnit(kWindowId, 音量拖动);
    if (!unit) return std::nullopt;
    knob_ =
        volume::VolumeKnob(std::get<std::int32_t>(windows_.GetProperty(kWindowId, 音量拖动, common_property::left)));
    knob_.press(e.arg(0));
    SetCapture(unit->hwnd());  // moves outside the knob still reach it
    return std::nullopt;
  }

  std::optional<std::int32_t> release(const EventArgs&) {
    knob_.release();
    if (const ::Unit* unit = windows_.GetUnit(kWindowId, 音量拖动); unit && GetCapture() == unit->hwnd())
      ReleaseCapture();
    return std::nullopt;
  }

  std::optional<std::int32_t> move(const EventArgs& e) {
    const std::optional<int> left = knob_.move(e.arg(0));
    if (!left) return std::nullopt;
    windows_.SetProperty(kWindowId, 音量拖动, common_property::left, std::int32_t{*left});
    // The moves waiting meanwhile are handled first, each writing its own step; this one then
    // writes where the knob has got to, so the last write always matches the knob.
    ProcessPendingMessages();
    const auto written = volume::writeKnobValue(volume::knobValue(knob_.left()), &endpoint_, mixer_);
    if (written == volume::Written::mixerUnavailable && knob_.reportOpenFailure())
      showMessageBox("系统音量打开失败!,您可能听不到声音!", "信息：", MB_ICONEXCLAMATION);
    return std::nullopt;
  }

 private:
  WindowFramework& windows_;
  volume::VolumeKnob knob_;
  DefaultEndpointVolume endpoint_;
  SysVolume mixer_;  // 系统音量1
};

}  // namespace

void registerVolumeKnobHandlers(HandlerTable& table, WindowFramework& windows) {
  const auto handlers = std::make_shared<VolumeKnobHandlers>(windows);
  table.set(Handler::startKnobDrag, handlers, &VolumeKnobHandlers::press);
  table.set(Handler::endKnobDrag, handlers, &VolumeKnobHandlers::release);
  table.set(Handler::moveKnob, handlers, &VolumeKnobHandlers::move);
}
