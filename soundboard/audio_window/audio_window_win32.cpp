#include "soundboard/audio_window/audio_window_win32.h"

#include "app/program_win32.h"
#include "assets/windows/audio_window_ids.h"
#include "assets/windows/main_window_ids.h"
#include "sound/effects/catalogue.h"
#include "sound/player/effect_player_win32.h"
#include "soundboard/bindings/page_bindings.h"
#include "soundboard/custom_effects/custom_effects_win32.h"
#include "ui/loader_win32.h"
#include "ui/types/unit_types_win32.h"
#include "ui/types/window_unit_win32.h"

namespace audio_window_handlers {

namespace {

using namespace audio_window;

constexpr std::uint32_t kPathHolders[kCustomEffectCount] = {编辑框1, 编辑框2, 编辑框3};
constexpr std::uint32_t kMainPathHolders[kCustomEffectCount] = {main_window::编辑框1, main_window::编辑框2,
                                                                main_window::编辑框3};
constexpr std::uint32_t kDialogs[kCustomEffectCount] = {通用对话框1, 通用对话框2, 通用对话框3};

// The binding of the page button `unit`, found by its place on the pages.
const PageButtonBinding* bindingOf(std::uint32_t unit) {
  for (int page = 0; page < kPageCount; ++page)
    for (int n = 1; n <= kButtonsPerPage; ++n)
      if (pageButton(page, n) == unit) return &pageButtonBindings()[static_cast<std::size_t>(page * kButtonsPerPage + n - 1)];
  return nullptr;
}

std::optional<std::int32_t> showPage(int page) {
  SetProperty(kWindowId, 选择夹1, tab_property::currentPage, std::int32_t{page});
  return std::nullopt;
}

std::string pathOf(int n) {
  return std::get<std::string>(GetProperty(kWindowId, kPathHolders[n - 1], edit_box_property::text));
}

std::optional<std::int32_t> playCustomEffect(int n) {
  ::playCustomEffect(pathOf(n), kButtonHintText, kButtonHintTitle);
  return std::nullopt;
}

// A file chosen with OK becomes the effect's path in both windows' holders and in 配置.ini;
// Cancel leaves everything as it was, so a bound effect is never unset by a change of mind.
std::optional<std::int32_t> chooseCustomEffect(int n) {
  ::Unit* dialog = GetUnit(kWindowId, kDialogs[n - 1]);
  if (!dialog || !ShowFileDialog(*dialog, GetWindowHandle(kWindowId))) return std::nullopt;
  const auto path = std::get<std::string>(GetProperty(kWindowId, kDialogs[n - 1], common_dlg_property::fileName));
  SetProperty(kWindowId, kPathHolders[n - 1], edit_box_property::text, path);
  SetProperty(main_window::kWindowId, kMainPathHolders[n - 1], edit_box_property::text, path);
  WriteSetting(customEffectSection(n), kCustomEffectKey, path);
  return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> created(const EventArgs&) {
  for (int n = 1; n <= kCustomEffectCount; ++n)
    SetProperty(kWindowId, kPathHolders[n - 1], edit_box_property::text,
                ReadSetting(customEffectSection(n), kCustomEffectKey));
  return std::nullopt;
}

// Every effect button silences what plays, then starts its own effect from the beginning.
std::optional<std::int32_t> playPageEffect(const EventArgs& e) {
  const PageButtonBinding* binding = bindingOf(e.unitId);
  if (!binding || binding->action != PageButtonBinding::Action::playEffect) return std::nullopt;
  TheEffectPlayer().Stop();
  (void)TheEffectPlayer().Play(builtInEffect(binding->effect), binding->loop);
  return std::nullopt;
}

std::optional<std::int32_t> stopAllSound(const EventArgs&) {
  TheEffectPlayer().Stop();
  return std::nullopt;
}

std::optional<std::int32_t> showPage1(const EventArgs&) { return showPage(0); }
std::optional<std::int32_t> showPage2(const EventArgs&) { return showPage(1); }
std::optional<std::int32_t> showPage3(const EventArgs&) { return showPage(2); }
std::optional<std::int32_t> showPage4(const EventArgs&) { return showPage(3); }

std::optional<std::int32_t> toggleOnTop(const EventArgs&) {
  const bool onTop = std::get<std::int32_t>(GetProperty(kWindowId, 0, window_property::alwaysOnTop)) != 0;
  SetProperty(kWindowId, 0, window_property::alwaysOnTop, std::int32_t{!onTop});
  SetProperty(kWindowId, 选择框1, check_box_property::checked, std::int32_t{!onTop});
  return std::nullopt;
}

std::optional<std::int32_t> close(const EventArgs&) {
  TheEffectPlayer().Stop();
  DestroyWindow(kWindowId);
  return std::nullopt;
}

std::optional<std::int32_t> playCustomEffect1(const EventArgs&) { return playCustomEffect(1); }
std::optional<std::int32_t> playCustomEffect2(const EventArgs&) { return playCustomEffect(2); }
std::optional<std::int32_t> playCustomEffect3(const EventArgs&) { return playCustomEffect(3); }
std::optional<std::int32_t> chooseCustomEffect1(const EventArgs&) { return chooseCustomEffect(1); }
std::optional<std::int32_t> chooseCustomEffect2(const EventArgs&) { return chooseCustomEffect(2); }
std::optional<std::int32_t> chooseCustomEffect3(const EventArgs&) { return chooseCustomEffect(3); }

}  // namespace audio_window_handlers
