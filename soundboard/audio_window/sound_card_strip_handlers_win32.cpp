#include "soundboard/audio_window/sound_card_strip_handlers_win32.h"

#include "assets/windows/audio_window_ids.h"
#include "audio/sound_card/output_device_win32.h"
#include "audio/sound_card/sound_card_texts.h"
#include "ui/message_box_win32.h"
#include "ui/types/unit_types_win32.h"

using namespace audio_window;

void SoundCardStrip::show(const std::string& text) {
  windows_.SetProperty(kWindowId, 声卡输出框1, edit_box_property::text, text);
}

void SoundCardStrip::showStored() {
  show(sound_card::shownAtOpening(settings_.ReadSetting(sound_card::kSection, sound_card::kKey)));
}

std::optional<std::int32_t> SoundCardStrip::check(const EventArgs&) {
  show(detectedOutputName());
  return std::nullopt;
}

// Whatever the box holds is kept once the message is closed: a detected name, typed text, the prompt.
std::optional<std::int32_t> SoundCardStrip::confirm(const EventArgs&) {
  const auto text = std::get<std::string>(windows_.GetProperty(kWindowId, 声卡输出框1, edit_box_property::text));
  const sound_card::Message message = sound_card::confirmation(text);
  showMessageBox(message.text, message.title);
  settings_.WriteSetting(sound_card::kSection, sound_card::kKey, text);
  return std::nullopt;
}
