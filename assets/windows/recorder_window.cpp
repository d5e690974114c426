// The recorder window: format choices, the live chart in its frame, the five recording buttons,
// and the non-visual recording units, timers and save dialog outside the window.
#include "assets/windows/recorder_window_ids.h"
#include "assets/windows/unit_properties.h"
#include "assets/windows/window_description.h"
#include "ui/format/control_properties.h"

namespace {

using namespace recorder_window;
namespace tw = type_word;

std::string windowProperties(const PictureFolder& pictures) {
  WindowProperties p = ownedWindow("澜星录音软件");
  p.controlBox = 1;
  p.escCloses = 1;
  p.icon = pictures(u8"recorder-icon.ico");
  return p.write();
}

// A drop-down list whose items carry values beside their texts.
std::string choiceList(std::vector<std::string> items, std::vector<std::uint32_t> values) {
  ComboBoxProperties p;
  p.items = std::move(items);
  p.itemValues = std::move(values);
  return p.write();
}

UnitDescription button(Unit id, std::string_view name, Rect rect, std::string_view caption, Handler click) {
  return {id, name, tw::Button, 0, rect, flags::visibleTabStop, 0, {on(event::click, click)}, pushButton(caption)};
}

UnitDescription choice(Unit id, std::string_view name, Rect rect, std::string properties) {
  return {id,
          name,
          tw::ComboBox,
          0,
          rect,
          flags::visibleTabStop,
          0,
          {on(event::itemChosen, Handler::recordFormatChosen)},
          std::move(properties)};
}

UnitDescription timer(Unit id, std::string_view name, Rect rect, Handler tick) {
  return {id, name, tw::Timer, 0, rect, flags::nonVisual, 0, {on(event::tick, tick)}};
}

}  // namespace

WindowDescription recorderWindowDescription(const PictureFolder& pictures) {
  return WindowDescription{
      kWindowId,
      0x19010137,
      {
          {窗口,
           "",
           tw::window,
           0,
           {50, 50, 344, 290},
           flags::visible,
           0,
           {on(event::created, Handler::startRecorderWindow), on(event::mayClose, Handler::stopRecorderBeforeClosing)},
           windowProperties(pictures)},
          {透明标签3,
           "透明标签3",
           tw::TransLabel,
           0,
           {230, -2, 65, 24},
           flags::visible,
           0,
           {},
           transLabel("采样大小：", 0)},
          {透明标签2,
           "透明标签2",
           tw::TransLabel,
           0,
           {120, -2, 65, 24},
           flags::visible,
           0,
           {},
           transLabel("采样率：", 0)},
          {透明标签1,
           "透明标签1",
           tw::TransLabel,
           0,
           {10, -2, 65, 24},
           flags::visible,
           0,
           {},
           transLabel("线路数：", 0)},
          choice(组合框3, "组合框3", {230, 20, 100, 20}, choiceList({"8字节", "16字节"}, {8, 16})),
          choice(组合框2, "组合框2", {120, 20, 100, 20},
                 choiceList({"8000HZ", "11025HZ", "22050HZ", "44100HZ"}, {8000, 11025, 22050, 44100})),
          choice(组合框1, "组合框1", {10, 20, 100, 20}, choiceList({"单声道", "立体声双声道"}, {1, 2})),
          {录音音波控件, "录音音波控件", tw::WaveInForm, 0, {376, 152, 26, 26}, flags::nonVisual},
          {录音控件, "录音控件", tw::WaveRecord, 0, {376, 128, 26, 26}, flags::nonVisual},
          timer(时间时钟, "时间时钟", {376, 104, 26, 26}, Handler::elapsedTimeTick),
          {通用对话框,
           "通用对话框",
           tw::CommonDlg,
           0,
           {376, 48, 26, 26},
           flags::nonVisual,
           0,
           {},
           fileDialog(file_dialog::save, "声音文件|*.wav", "*.wav")},
          {曲线图控件1,
           "曲线图控件1",
           tw::LineChart,
           外形框1,
           {-46, -9, 407, 200},
           flags::visibleTabStop,
           0,
           {},
           LineChartProperties{}.write()},
          {外形框1, "外形框1", tw::ShapeBox, 0, {7, 45, 325, 190}, flags::visible, 0, {}, ShapeBoxProperties{}.write()},
          button(保存按钮, "保存按钮", {280, 240, 50, 20}, "保存", Handler::saveRecording),
          button(继续按钮, "继续按钮", {144, 240, 50, 20}, "继续", Handler::resumeRecording),
          button(暂停按钮, "暂停按钮", {75, 240, 50, 20}, "暂停", Handler::pauseRecording),
          button(停止按钮, "停止按钮", {213, 240, 50, 20}, "停止", Handler::stopRecording),
          timer(波形时钟, "波形时钟", {376, 77, 26, 26}, Handler::waveformTick),
          button(录音按钮, "录音按钮", {8, 240, 50, 20}, "录音", Handler::startRecording),
      },
      {}};
}
