#pragma once
// Handlers of the audio window "澜星音频助手": the page buttons, page selectors, always-on-top and
// exit buttons, and the three custom effects.
#include <optional>

#include "ui/window_table.h"

namespace audio_window_handlers {
std::optional<std::int32_t> created(const EventArgs&);
std::optional<std::int32_t> playPageEffect(const EventArgs&);
std::optional<std::int32_t> stopAllSound(const EventArgs&);
std::optional<std::int32_t> showPage1(const EventArgs&);
std::optional<std::int32_t> showPage2(const EventArgs&);
std::optional<std::int32_t> showPage3(const EventArgs&);
std::optional<std::int32_t> showPage4(const EventArgs&);
std::optional<std::int32_t> toggleOnTop(const EventArgs&);
std::optional<std::int32_t> close(const EventArgs&);
std::optional<std::int32_t> playCustomEffect1(const EventArgs&);
std::optional<std::int32_t> playCustomEffect2(const EventArgs&);
std::optional<std::int32_t> playCustomEffect3(const EventArgs&);
std::optional<std::int32_t> chooseCustomEffect1(const EventArgs&);
std::optional<std::int32_t> chooseCustomEffect2(const EventArgs&);
std::optional<std::int32_t> chooseCustomEffect3(const EventArgs&);
}  // namespace audio_window_handlers
