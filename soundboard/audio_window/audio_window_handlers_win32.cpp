#include "soundboard/audio_window/audio_window_handlers_win32.h"

#include <algorithm>
#include <array>

#include "assets/windows/audio_window_ids.h"
#include "assets/windows/handlers.h"
#include "sound/effects/catalogue.h"
#include "sound/player/effect_player_win32.h"
#include "soundboard/audio_window/sound_card_strip_handlers_win32.h"
#include "soundboard/audio_window/volume_knob_handlers_win32.h"
#include "soundboard/bindings/page_bindings.h"
#include "soundboard/custom_effects/custom_effect_paths_win32.h"
#include "soundboard/custom_effects/custom_effects_win32.h"
#include "ui/skin/control_skin_win32.h"
#include "ui/types/unit_types_win32.h"
#include "ui/window_helpers_win32.h"

namespace {

using namespace audio_window;

constexpr std::array kPageSelectors = {类型1, 类型2, 类型3, 类型4};  // page 0..3
constexpr std::array kCustomEffectButtons = {自定义音效1, 自定义音效2, 自定义音效3};
constexpr std::array kDialogs = {通用对话框1, 通用对话框2, 通用对话框3};

// The place of `unit` in `units`, from 0, or -1.
template <std::size_t N>
int placeOf(const std::array<audio_window::Unit, N>& units, std::uint32_t unit) {
  const auto at = std::find(units.begin(), units.end(), unit);
  return at == units.end() ? -1 : static_cast<int>(at - units.begin());
}

class AudioWindowHandlers {
 public:
  AudioWindowHandlers(WindowFramework& windows, const SettingsFile& settings, std::shared_ptr<SoundCardStrip> strip)
      : windows_(windows), settings_(settings), strip_(std::move(strip)) {}

  std::optional<std::int32_t> created(const EventArgs&) {
    (void)SetSkinScheme(2);
    loadCustomEffectPaths(windows_, settings_, kAudioWindowPaths);
    strip_->showStored();
    return std::nullopt;
  }

  // Every effect button silences what plays, then starts its own effect from the beginning.
  std::optional<std::int32_t> playPageEffect(const EventArgs& e) {
    const auto position = pageButtonPosition(e.unitId);
    if (!position) return std::nullopt;
    const PageButtonBinding& binding = pageButtonBinding(position->page, position->n);
    if (binding.action != PageButtonBinding::Action::playEffect) return std::nullopt;
    TheEffectPlayer().Stop();
    (void)TheEffectPlayer().Play(builtInEffect(binding.effect), binding.loop);
    return std::nullopt;
  }

  std::optional<std::int32_t> stopAllSound(const EventArgs&) {
    TheEffectPlayer().Stop();
    return std::nullopt;
  }

  // 类型1..类型4 show pages 0..3.
  std::optional<std::int32_t> showPage(const EventArgs& e) {
    const int page = placeOf(kPageSelectors, e.unitId);
    if (page >= 0) windows_.SetProperty(kWindowId, 选择夹1, tab_property::currentPage, std::int32_t{page});
    return std::nullopt;
  }

  std::optional<std::int32_t> toggleOnTop(const EventArgs&) {
    toggleAlwaysOnTop(windows_, kWindowId, 选择框1);
    return std::nullopt;
  }

  std::optional<std::int32_t> close(const EventArgs&) {
    TheEffectPlayer().Stop();
    windows_.DestroyWindow(kWindowId);
    return std::nullopt;
  }

  // 自定义音效N plays effect N.
  std::optional<std::int32_t> playCustomEffect(const EventArgs& e) {
    const int n = placeOf(kCustomEffectButtons, e.unitId) + 1;
    if (n >= 1) ::playCustomEffect(customEffectPath(windows_, kAudioWindowPaths, n), kButtonHintText, kButtonHintTitle);
    return std::nullopt;
  }

  // A file chosen with OK becomes the effect's path in both windows' holders and in 配置.ini;
  // Cancel leaves everything as it was, so a bound effect is never unset by a change of mind.
  std::optional<std::int32_t> chooseCustomEffect(const EventArgs& e) {
    const int n = placeOf(kCustomEffectButtons, e.unitId) + 1;
    if (n < 1) return std::nullopt;
    const std::uint32_t dialogId = kDialogs[static_cast<std::size_t>(n - 1)];
    ::Unit* dialog = windows_.GetUnit(kWindowId, dialogId);
    if (!dialog || !ShowFileDialog(*dialog, windows_.GetWindowHandle(kWindowId))) return std::nullopt;
    const auto path = std::get<std::string>(windows_.GetProperty(kWindowId, dialogId, common_dlg_property::fileName));
    setCustomEffectPath(windows_, kAudioWindowPaths, n, path);
    setCustomEffectPath(windows_, kMainWindowPaths, n, path);
    settings_.WriteSetting(customEffectSection(n), kCustomEffectKey, path);
    return std::nullopt;
  }

 private:
  WindowFramework& windows_;
  const SettingsFile& settings_;
  std::shared_ptr<SoundCardStrip> strip_;
};

}  // namespace

void registerAudioWindowHandlers(HandlerTable& table, WindowFramework& windows, const SettingsFile& settings) {
  const auto strip = std::make_shared<SoundCardStrip>(windows, settings);
  const auto handlers = std::make_shared<AudioWindowHandlers>(windows, settings, strip);
  using H = AudioWindowHandlers;
  table.set(Handler::startAudioWindow, handlers, &H::created);
  table.set(Handler::playPageEffect, handlers, &H::playPageEffect);
  table.set(Handler::stopAllSound, handlers, &H::stopAllSound);
  for (Handler h : {Handler::showPage1, Handler::showPage2, Handler::showPage3, Handler::showPage4})
    table.set(h, handlers, &H::showPage);
  table.set(Handler::toggleAudioOnTop, handlers, &H::toggleOnTop);
  table.set(Handler::closeAudioWindow, handlers, &H::close);
  for (Handler h : {Handler::playCustomEffect1, Handler::playCustomEffect2, Handler::playCustomEffect3})
    table.set(h, handlers, &H::playCustomEffect);
  for (Handler h : {Handler::chooseCustomEffect1, Handler::chooseCustomEffect2, Handler::chooseCustomEffect3})
    table.set(h, handlers, &H::chooseCustomEffect);
  table.set(Handler::checkSoundCard, strip, &SoundCardStrip::check);
  table.set(Handler::confirmSoundCard, strip, &SoundCardStrip::confirm);
  registerVolumeKnobHandlers(table, windows);
}
