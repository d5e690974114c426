#include "audio/recorder/recorder_window_handlers_win32.h"

#include <windows.h>

#include <array>
#include <filesystem>
#include <memory>

#include "assets/windows/handlers.h"
#include "assets/windows/recorder_window_ids.h"
#include "audio/recorder/recorder_texts.h"
#include "audio/recorder/wave_in_form.h"
#include "audio/recorder/wave_record.h"
#include "sound/device/winmm_wave_input_win32.h"
#include "ui/gbk_text_win32.h"
#include "ui/types/unit_types_win32.h"
#include "ui/types/window_unit_win32.h"

namespace {

using namespace recorder_window;

constexpr std::int32_t kWaveformInterval = 1, kElapsedTimeInterval = 100;

// The engines live from the window's creation until it closes.
struct RecorderEngines {
  WinmmWaveInput mapper{WinmmWaveInput::kWaveMapper};
  WinmmWaveInput firstDevice{0};
  WaveRecord record{mapper, std::filesystem::temp_directory_path()};
  WaveInForm waveform{firstDevice};
};

class RecorderWindowHandlers {
 public:
  explicit RecorderWindowHandlers(WindowFramework& windows) : windows_(windows) {}

  std::optional<std::int32_t> created(const EventArgs&) {
    engines_ = std::make_unique<RecorderEngines>();
    windows_.SetProperty(kWindowId, 曲线图控件1, line_chart_property::textColour,
                         windows_.GetProperty(kWindowId, 曲线图控件1, line_chart_property::backgroundColour));
    engines_->waveform.Open();
    sampleCount_ = engines_->waveform.GetSampleCount();
    windows_.SetProperty(kWindowId, 曲线图控件1, line_chart_property::pointCount, sampleCount_);
    const RecordFormat format = engines_->record.GetFormat();
    const std::array<std::pair<recorder_window::Unit, std::int32_t>, 3> choices = {
        {{组合框1, format.channels}, {组合框2, format.rate}, {组合框3, format.bits}}};
    for (const auto& [list, value] : choices)
      windows_.SetProperty(kWindowId, list, combo_box_property::currentValue, value);
    return std::nullopt;
  }

  // An unsaved recording is offered a save first; Cancel, or a save that did not happen, keeps the
  // window open. Closing ends the live capture and discards the recording's spool.
  std::optional<std::int32_t> mayClose(const EventArgs&) {
    if (engines_ && engines_->record.hasUnsavedAudio()) {
      const int answer =
          MessageBoxW(nullptr, wideFromGbk(kUnsavedRecordingQuestion).c_str(),
                      wideFromGbk(kRecorderMessageTitle).c_str(), MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL);
      if (answer == IDCANCEL || (answer == IDYES && !saveThroughDialog())) return 0;
    }
    if (engines_) engines_->waveform.Close();
    engines_.reset();
    return std::nullopt;
  }

  std::optional<std::int32_t> formatChosen(const EventArgs&) {
    if (engines_) (void)engines_->record.SetFormat(chosen(组合框1), chosen(组合框2), chosen(组合框3));
    return std::nullopt;
  }

  std::optional<std::int32_t> start(const EventArgs&) {
    if (!engines_) return std::nullopt;
    (void)engines_->record.Start();
    startedFormat_ = engines_->record.GetFormat();
    if (engines_->waveform.IsOpen()) setTimers(true);
    return std::nullopt;
  }

  std::optional<std::int32_t> pause(const EventArgs&) {
    if (engines_) (void)engines_->record.Pause();
    setTimers(false);
    return std::nullopt;
  }

  std::optional<std::int32_t> resume(const EventArgs&) {
    if (engines_) (void)engines_->record.Resume();
    setTimers(true);
    return std::nullopt;
  }

  std::optional<std::int32_t> stop(const EventArgs&) {
    if (engines_) (void)engines_->record.Stop();
    setTimers(false);
    return std::nullopt;
  }

  std::optional<std::int32_t> save(const EventArgs&) {
    if (engines_) (void)saveThroughDialog();
    return std::nullopt;
  }

  std::optional<std::int32_t> elapsedTimeTick(const EventArgs&) {
    if (!engines_) return std::nullopt;
    if (const auto caption = elapsedTimeCaption(engines_->record.GetPosition(), startedFormat_))
      windows_.SetProperty(kWindowId, 0, window_property::caption, *caption);
    return std::nullopt;
  }

  // Every sample of the latest block goes to the chart, which keeps its first 100 points; the
  // chart repaints once for all of them. A tick with no new block has nothing new to show.
  std::optional<std::int32_t> waveformTick(const EventArgs&) {
    if (!engines_ || !engines_->record.IsRecording()) return std::nullopt;
    const std::uint64_t blocks = engines_->waveform.blocksCaptured();
    if (blocks == shownBlocks_) return std::nullopt;
    shownBlocks_ = blocks;
    ::Unit* chart = windows_.GetUnit(kWindowId, 曲线图控件1);
    if (!chart) return std::nullopt;
    for (std::int32_t k = 0; k < sampleCount_; ++k) {
      const std::int32_t sample = engines_->waveform.GetSample(k + 1).value_or(0);
      chart->setProperty(line_chart_property::currentPoint, k);
      chart->setProperty(line_chart_property::currentValue, sample);
    }
    return std::nullopt;
  }

 private:
  std::int32_t chosen(recorder_window::Unit list) {
    return std::get<std::int32_t>(windows_.GetProperty(kWindowId, list, combo_box_property::currentValue));
  }

  void setTimers(bool on) {
    windows_.SetProperty(kWindowId, 波形时钟, timer_property::interval, on ? kWaveformInterval : 0);
    windows_.SetProperty(kWindowId, 时间时钟, timer_property::interval, on ? kElapsedTimeInterval : 0);
  }

  // True when the user chose a file and the whole recording reached it; a failed save says why and
  // keeps the recording for another try.
  bool saveThroughDialog() {
    ::Unit* dialog = windows_.GetUnit(kWindowId, 通用对话框);
    if (!dialog || !ShowFileDialog(*dialog, windows_.GetWindowHandle(kWindowId))) return false;
    const std::string chosenPath = withWavExtension(
        std::get<std::string>(windows_.GetProperty(kWindowId, 通用对话框, common_dlg_property::fileName)));
    const SaveFailure failure = engines_->record.SaveToFile(std::filesystem::path(wideFromGbk(chosenPath)), true);
    if (failure == SaveFailure::none) return true;
    MessageBoxW(nullptr, wideFromGbk(saveFailedText(failure)).c_str(), wideFromGbk(kRecorderMessageTitle).c_str(),
                MB_OK | MB_ICONWARNING | MB_TASKMODAL);
    return false;
  }

  WindowFramework& windows_;
  std::unique_ptr<RecorderEngines> engines_;
  std::int32_t sampleCount_ = 0;   // of the live capture, fixed at creation
  std::uint64_t shownBlocks_ = 0;  // the live capture's block the chart shows
  RecordFormat startedFormat_;     // the format in force at the last 录音
};

}  // namespace

void registerRecorderWindowHandlers(HandlerTable& table, WindowFramework& windows) {
  const auto handlers = std::make_shared<RecorderWindowHandlers>(windows);
  using H = RecorderWindowHandlers;
  table.set(Handler::startRecorderWindow, handlers, &H::created);
  table.set(Handler::stopRecorderBeforeClosing, handlers, &H::mayClose);
  table.set(Handler::recordFormatChosen, handlers, &H::formatChosen);
  table.set(Handler::startRecording, handlers, &H::start);
  table.set(Handler::pauseRecording, handlers, &H::pause);
  table.set(Handler::resumeRecording, handlers, &H::resume);
  table.set(Handler::stopRecording, handlers, &H::stop);
  table.set(Handler::saveRecording, handlers, &H::save);
  table.set(Handler::elapsedTimeTick, handlers, &H::elapsedTimeTick);
  table.set(Handler::waveformTick, handlers, &H::waveformTick);
}
